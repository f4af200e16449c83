// Level set-up and one robot turn on crowded boards, for the indexed game and
// for the list-walking reference model, with the speed-up of one over the other.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "core/Canvas.h"
#include "core/Game.h"
#include "core/GameView.h"
#include "settings/Settings.h"
#include "tests/core/ReferenceGame.h"

namespace {

class CNullCanvas : public CCanvas {
public:
    void XorImage(const CPiece&) {}
    bool IsRectVisible(int, int, int, int) { return true; }
    void BeginXorPen(int) {}
    void XorRectangle(int, int, int, int) {}
    void EndXorPen() {}
    bool ClipTo(int, int, int, int) { return true; }
    void RemoveClip() {}
};

// Plays nothing: only the game's own work is measured.
class CNullView : public CGameView {
public:
    CCanvas* AcquireBoardCanvas() { return &canvas; }
    void ReleaseBoardCanvas(CCanvas*) {}
    uint32_t TickCount() { return 0; }
    void InvalidateBoard() {}
    void GlidePieces(CCanvas*, CPieceList<CRobot>&, CHero*, int) {}
    void AnimateTeleport(CCanvas*, CHero&) {}
    void AnimateSonic(CCanvas*, CHero&) {}
    void AnimateHello(CCanvas*, const CPiece&) {}
    int PlayExplosions(CCanvas*, CPieceList<CExplosion>& explosions)
    {
        explosions.Clear();
        return 0;
    }
    bool PlayWave(int, bool) { return true; }
    void RefusalFeedback() {}
    void HideDirectionMarker(CCanvas*) {}
    void RefreshDirectionMarker(CCanvas*) {}
    void RefreshStatusBar(bool) {}
    void EnableActionCommands(bool) {}
    void EnableSonicCommand(bool) {}

    CNullCanvas canvas;
};

void Configure(CSettings& settings, int robots)
{
    settings.largeur.value = 110;
    settings.hauteur.value = 80;
    settings.nb_robot_base.value = robots;
    settings.nb_robot_incr.value = 0;
}

template <class Game>
void SetUp(benchmark::State& state)
{
    CSettings settings;
    Configure(settings, (int)state.range(0));
    CNullView view;
    Game game(settings, view);
    uint32_t seed = 1;
    for (auto _ : state) {
        game.random.Seed(seed++);
        game.StartLevel(1);
        benchmark::DoNotOptimize(game.robots.Count());
    }
}

template <class Game>
void Turn(benchmark::State& state)
{
    CSettings settings;
    Configure(settings, (int)state.range(0));
    CNullView view;
    Game game(settings, view);
    uint32_t seed = 1;
    for (auto _ : state) {
        state.PauseTiming();
        game.random.Seed(seed++);
        game.StartLevel(1);
        state.ResumeTiming();
        game.PlayTurn(ACTION_MOVE, DIRECTION_STAY);
        benchmark::DoNotOptimize(game.score);
    }
}

BENCHMARK_TEMPLATE(SetUp, CGame)->Arg(7920)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(SetUp, CReferenceGame)->Arg(7920)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(Turn, CGame)->Arg(7920)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(Turn, CReferenceGame)->Arg(7920)->Arg(1000)->Unit(benchmark::kMicrosecond);

// Keeps every result so that the speed-ups can be printed at the end.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs)
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatios()
    {
        const char* kinds[] = {"SetUp", "Turn"};
        const char* sizes[] = {"7920", "1000"};
        for (const char* kind : kinds)
            for (const char* size : sizes) {
                std::string suffix = std::string(">/") + size;
                double core = times[std::string(kind) + "<CGame" + suffix];
                double reference = times[std::string(kind) + "<CReferenceGame" + suffix];
                if (core > 0)
                    printf("%-5s %5s robots: %10.1f us indexed, %10.1f us reference, %7.0fx faster\n", kind, size,
                           core, reference, reference / core);
            }
    }

    std::map<std::string, double> times;
};

}

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    return 0;
}
