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

.PHONY: all deps configure build run test test-sanitize bench clean

all: build

# Installs only what dpkg reports missing; `apt-get update` runs once, and only when something is missing.
deps:
	@missing=""; \
	for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/zugwerk

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Speed checks, run by hand: the board's legality scan and the engine's search suite.
bench: build
	./$(BUILD_DIR)/board-bench
	echo bench | ./$(BUILD_DIR)/zugwerk-engine

clean:
	rm -rf $(BUILD_DIR)
