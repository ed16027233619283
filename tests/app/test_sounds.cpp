// The sounds of the game: which one each move made plays, that nothing plays while the preference
// is off or while the player looks through the game or loads one, and the real player without an
// audio device.

#include "app/move_sounds.h"
#include "tests/app/app_test_support.h"

#include <QTimer>

#include <array>
#include <utility>

// Readable kinds in failure messages.
void PrintTo(TSoundKind kind, std::ostream* os)
{
    *os << std::array { "Move", "Capture", "Check", "GameEnd" }.at(static_cast<std::size_t>(kind));
}

namespace {

using Kinds = std::vector<TSoundKind>;

class RecordingPlayer : public TSoundPlayer {
public:
    explicit RecordingPlayer(Kinds& heard)
        : Heard(heard)
    {
    }
    void Play(TSoundKind kind) override { Heard.push_back(kind); }

private:
    Kinds& Heard;
};

class SoundsTest : public WindowTest {
protected:
    Kinds heard;
    int playersMade = 0;

    void SetUp() override
    {
        WindowTest::SetUp();
        form->MoveSounds->MakePlayer = [this] {
            ++playersMade;
            return std::make_unique<RecordingPlayer>(heard);
        };
    }
    void SetSounds(bool on)
    {
        TPreferences preferences = form->Preferences();
        preferences.Sounds = on;
        form->SetPreferences(preferences);
    }
    // What was played up to now, once the events waiting have run.
    Kinds Heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(heard, {});
    }
};

TEST_F(SoundsTest, EachMoveMadeInTheGamePlaysOneSoundItsWeightiest)
{
    struct Case {
        const char* placement; // nullptr: a new game
        CastlingSet rights;
        const char* before; // moves made first
        const char* move;
        TSoundKind expected;
    };
    const Case cases[] = {
        { nullptr, {}, "", "e2e4", TSoundKind::Move },
        { "4k3/8/8/8/8/8/8/4K2R", { CanStillCastle::WhiteKingSide }, "", "e1g1", TSoundKind::Move },
        { nullptr, {}, "e2e4 d7d5", "e4d5", TSoundKind::Capture },
        { nullptr, {}, "e2e4 a7a6 e4e5 d7d5", "e5d6", TSoundKind::Capture }, // en passant
        { nullptr, {}, "e2e4 f7f6", "d1h5", TSoundKind::Check },
        { "4k3/3p4/8/8/8/8/8/3QK3", {}, "", "d1d7", TSoundKind::Check }, // a capture that checks
        { nullptr, {}, "f2f3 e7e5 g2g4", "d8h4", TSoundKind::GameEnd }, // mate
        { "7k/8/6Q1/8/8/8/8/K7", {}, "", "g6f7", TSoundKind::GameEnd }, // stalemate
        { nullptr, {}, "g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1", "f6g8", TSoundKind::GameEnd }, // repetition
    };
    SetSounds(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " " + c.move);
        if (c.placement)
            Arrange(Board(), c.placement, true, c.rights);
        else
            form->New1->trigger();
        Play(Board(), c.before);
        Heard();
        Play(Board(), c.move);
        EXPECT_EQ(Heard(), Kinds { c.expected });
    }

    // A game lost on time ends with its sound too, without a move.
    std::int64_t now = 0;
    form->ChessClockTime = [&now] { return now; };
    form->SetTimeControl(TTimeControl { 1, 0 });
    now += 60'000;
    form->ChessClockTimerTimer(form->ChessClockTimer);
    EXPECT_EQ(Heard(), Kinds { TSoundKind::GameEnd });
    form->SetTimeControl(std::nullopt);
}

TEST_F(SoundsTest, OffNothingPlaysAndTheAudioSystemStaysClosed)
{
    EXPECT_FALSE(form->Preferences().Sounds) << "off by default";
    EXPECT_FALSE(TPreferences::Modern().Sounds) << "and in the modern set";
    Play(Board(), "e2e4 d7d5 e4d5");
    EXPECT_EQ(Heard(), Kinds {});
    EXPECT_EQ(playersMade, 0);

    // A sound still waiting for its move to end is dropped when sounds go off; the player is made once.
    SetSounds(true);
    Play(Board(), "d8d5");
    SetSounds(false);
    EXPECT_EQ(Heard(), Kinds {});
    EXPECT_FALSE(Board().OnCapture) << "the board's events are bound as without sounds";
    SetSounds(true);
    Play(Board(), "b1c3");
    EXPECT_EQ(Heard(), Kinds { TSoundKind::Move });
    EXPECT_EQ(playersMade, 1);
}

TEST_F(SoundsTest, TheComputersMovesSoundButLookingThroughOrLoadingAGameDoesNot)
{
    SetSounds(true);
    Board().set_SearchDepth(1);
    ClickRadio(*form->RadioGroup1, 1); // the computer plays Black
    Play(Board(), "e2e4");
    ASSERT_TRUE(WaitFor([&] { return Board().WhiteToMove() && !Board().Thinking(); }));
    EXPECT_EQ(Heard().size(), 2u) << "the player's move and the computer's";
    ClickRadio(*form->RadioGroup1, 0);

    form->Back1->trigger();
    form->Forward1->trigger();
    ClickListLine(0);
    ClickListLine(1);
    form->TakeBack1->trigger();
    form->CopyGame1->trigger();
    form->PasteGame1->trigger();
    form->CopyPosition1->trigger();
    form->PastePosition1->trigger();
    EXPECT_EQ(Heard(), Kinds {});
    EXPECT_TRUE(dialogs.Boxes.empty()) << dialogs.Texts().front().toStdString();

    const auto [from, to] = LegalMoves(Board()).front();
    ASSERT_TRUE(Board().Move(from, to));
    EXPECT_EQ(Heard().size(), 1u) << "moves made after them sound again";
}

using RealSounds = WindowTest;

// Under the offscreen platform there is no audio device and no sound server: the sounds still load
// from the program's resources, and playing them neither blocks nor fails.
TEST_F(RealSounds, TheSoundsLoadAndPlayWithoutAnAudioDevice)
{
    TPreferences preferences;
    preferences.Sounds = true;
    form->SetPreferences(preferences);
    auto* player = dynamic_cast<TSoundEffectPlayer*>(form->MoveSounds->Player());
    ASSERT_TRUE(player);
    ASSERT_TRUE(WaitFor([&] { return player->Loaded() || player->Failed(); }, 10000));
    // Here the sounds load whether or not there is an output to play them on; a Qt that refuses
    // them without one stays silent just the same.
    EXPECT_TRUE(player->Loaded() || !player->HasOutput());
    Play(Board(), "e2e4 f7f6 d1h5");
    QCoreApplication::processEvents();
    for (int kind = 0; kind < 4; ++kind)
        player->Play(static_cast<TSoundKind>(kind));
    QCoreApplication::processEvents();
}

} // namespace
