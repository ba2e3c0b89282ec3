// Baseline timings of the model: text and characteristics routines, and a whole run.
// Run: ./build/bench/bench_model

#include "model/captions.h"
#include "model/experiment.h"
#include "model/number_text.h"
#include "model/run.h"

#include <QtTest>

using namespace trelvix;

class ModelBenchmark : public QObject {
    Q_OBJECT

private slots:
    // What the window computes after every edit: the characteristics and their fifteen captions.
    void characteristics() {
        Experiment e;
        std::size_t length = 0;
        QBENCHMARK {
            e.derive();
            length += captionsOf(e.inputs, e.derived, ",").criticalViscosity.size();
        }
        QVERIFY(length > 0);
    }
    void readingTwelveFields() {
        const char* texts[] = {"0.063850",  "0.025",  "0.500",  "40.000",  "0.150", " 1000",
                               "1.004e-03", "0.0050", "4.5000", "0.25000", "1.000", " 6"};
        double sum = 0;
        QBENCHMARK {
            for (const char* t : texts)
                sum += readNumber(t);
        }
        QVERIFY(sum > 0);
    }
    void formattingFifteenCaptionNumbers() {
        std::size_t length = 0;
        QBENCHMARK {
            for (int i = 0; i < 15; ++i)
                length += formatNumber(7804.449113383295 / (i + 1), "0.000E+00", ",").size();
        }
        QVERIFY(length > 0);
    }
    // A whole run with the initial values (about 1350 steps) without drawing or pausing: the
    // target is at most 200 µs.
    void wholeDefaultRun() {
        const Experiment e;
        long long steps = 0;
        QBENCHMARK {
            std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
            while (run->goesOn())
                run->step();
            steps = run->stepCount();
        }
        QVERIFY(steps >= 1350);
    }
};

QTEST_GUILESS_MAIN(ModelBenchmark)
#include "bench_model.moc"
