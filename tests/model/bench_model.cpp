// Baseline timings of the model's text and characteristics routines.
// Run: ./build/tests/model/bench_model

#include "model/characteristics.h"
#include "model/number_text.h"

#include <QtTest>

using namespace trelvix;

class ModelBenchmark : public QObject {
    Q_OBJECT

private slots:
    void characteristics() {
        Experiment e = initialExperiment();
        QBENCHMARK {
            parametr(e, ",");
        }
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
};

QTEST_GUILESS_MAIN(ModelBenchmark)
#include "bench_model.moc"
