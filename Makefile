# Zugwerk! build driver. `make run` and `make test` work on a fresh Debian 12 machine as root:
# they install the missing Debian packages, configure into build/, build, then run or test.

BUILD_DIR   ?= build
BUILD_TYPE  ?= RelWithDebInfo
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=

PACKAGES := cmake ninja-build g++ pkg-config \
            qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6printsupport6 libqt6test6 \
            libgl-dev libgtest-dev libgmock-dev \
            fonts-liberation2 fonts-dejavu-core
# Qt SVG: diagrams written as vector pictures.
PACKAGES += qt6-svg-dev
# Qt Linguist: lupdate and lrelease for the translations, and Qt's own German dialog texts.
PACKAGES += qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# Qt Multimedia: the sounds of moves (QSoundEffect). Its library plays through PulseAudio's client
# library, which reaches the desktop's sound server (PipeWire or PulseAudio); without one the game is silent.
PACKAGES += qt6-multimedia-dev

.PHONY: all deps configure build run test test-sanitize bench install uninstall clean

all: build

# Installs those of the packages in $(1) that dpkg reports missing; `apt-get update` runs once, and
# only when something is missing.
define install_missing
	@missing=""; \
	for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/zugwerk

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests that run threads (the computer player, the UCI engine's search) and those of handlers
# that throw under ThreadSanitizer, and every test under AddressSanitizer with
# UndefinedBehaviorSanitizer, each in a build folder of its own. Both builds compile the asserts in.
SANITIZER_ENV := QT_QPA_PLATFORM=offscreen \
    TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ASAN_OPTIONS="detect_leaks=1" LSAN_OPTIONS="suppressions=$(CURDIR)/tests/lsan.supp print_suppressions=0" \
    UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"

# The two tests that hold the engine to the wall clock in milliseconds stay out of the
# ThreadSanitizer run: it slows every thread many times over, so they would measure the sanitizer.
# The timer they rely on still runs there, in the other Uci tests; they run in every other build.
TSAN_TESTS := '^(ComputerPlayer|ComputerPlayerLevels|Levels|Uci|UciProcess|Search)\.|Throwing'
WALL_CLOCK_TESTS := 'UciProcess\.(MoveTimeIsUsedAndNotExceeded|AGameOnTheClockIsNeverLostOnTime)$$'

test-sanitize: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUGWERK_SANITIZE=thread
	cmake --build build-tsan -j $(JOBS) --target test_thinking test_engine test_uci test_board
	cd build-tsan && $(SANITIZER_ENV) ctest --output-on-failure -R $(TSAN_TESTS) -E $(WALL_CLOCK_TESTS)
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUGWERK_SANITIZE=address,undefined
	cmake --build build-asan -j $(JOBS)
	cd build-asan && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Speed checks, run by hand: the board's legality scan, its drawing (full and partial redraw), the engine
# thread's idle and cancel costs, the engine's search suite, and PGN import through the notation library
# alone and through the board. pgn-bench also times pgn-extract on the same file when it is installed.
bench: build
	./$(BUILD_DIR)/board-bench
	./$(BUILD_DIR)/view-bench
	./$(BUILD_DIR)/view-bench --pixel-ratio 2
	./$(BUILD_DIR)/thread-bench
	./$(BUILD_DIR)/zugwerk-engine bench
	./$(BUILD_DIR)/engine-speed-bench
	./$(BUILD_DIR)/pgn-bench $(BUILD_DIR)/pgn-bench.pgn
	./$(BUILD_DIR)/pgn-bench --single-token $(BUILD_DIR)/pgn-bench-token.pgn
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/pgn-import-bench $(BUILD_DIR)/pgn-import-bench.pgn

# Installs the game, the engine and their desktop files under PREFIX (default /usr/local), below
# DESTDIR when it is set (make install DESTDIR=/tmp/stage). The list of what was installed stays in
# $(BUILD_DIR)/install_manifest.txt; make uninstall removes those files.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

uninstall:
	@test -f $(BUILD_DIR)/install_manifest.txt || { echo "nothing installed from $(BUILD_DIR)"; exit 1; }
	sed 's#^#$(DESTDIR)#' $(BUILD_DIR)/install_manifest.txt | xargs -d '\n' rm -f

# The Debian packages zugwerk (the game) and zugwerk-engine (the engine alone), built from debian/ with
# Debian's own packages: the tools and the Build-Depends of debian/control are installed first when
# dpkg-checkbuilddeps finds some missing (as root). dpkg-buildpackage writes the packages beside the
# source folder; they are moved into $(DEB_DIR), and the tree is cleaned of what the build left.
# DEB_BUILD_OPTIONS=nocheck skips the tests.
DEB_DIR ?= build-deb
DEB_TOOLS := dpkg-dev debhelper devscripts equivs
.PHONY: deb
deb:
	$(call install_missing,$(DEB_TOOLS))
	@dpkg-checkbuilddeps 2>/dev/null || { \
	    tmp=$$(mktemp -d) && cd $$tmp && \
	    DEBIAN_FRONTEND=noninteractive mk-build-deps -i -r -t "apt-get -y --no-install-recommends" $(CURDIR)/debian/control; \
	    status=$$?; rm -rf $$tmp; exit $$status; }
	DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" dpkg-buildpackage -us -uc -b
	@version=$$(dpkg-parsechangelog -SVersion); mkdir -p $(DEB_DIR); \
	for p in zugwerk zugwerk-engine zugwerk-dbgsym zugwerk-engine-dbgsym; do \
	    mv -f ../$${p}_$${version}_* $(DEB_DIR)/ 2>/dev/null; done; \
	debian/rules clean >/dev/null; \
	ls -1 $(DEB_DIR)/*_$${version}_*

clean:
	rm -rf $(BUILD_DIR) build-tsan build-asan
