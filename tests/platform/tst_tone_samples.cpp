// The samples of the tone: its length, its pitch counted by zero crossings, and the soft rise
// and fall that keep the speaker from clicking.

#include "platform/tone_samples.h"

#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace trelvix;

namespace {

int zeroCrossings(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int crossings = 0;
    int previousSign = 0;
    for (std::size_t i = from; i < to; ++i) {
        const int sign = (samples[i] > 0) - (samples[i] < 0);
        if (sign != 0 && previousSign != 0 && sign != previousSign) ++crossings;
        if (sign != 0) previousSign = sign;
    }
    return crossings;
}

int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int largest = 0;
    for (std::size_t i = from; i < to; ++i)
        largest = std::max(largest, std::abs(int{samples[i]}));
    return largest;
}

} // namespace

class TestToneSamples : public QObject {
    Q_OBJECT

private slots:
    void durationOfZvuk_data() {
        QTest::addColumn<double>("n");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("refusal") << 25.0 << 300;
        QTest::newRow("end of run") << 50.0 << 600;
        QTest::newRow("rounded down") << 1.04 << 12;
        QTest::newRow("rounded up") << 1.05 << 13;
        QTest::newRow("under half a millisecond") << 0.04 << 0;
        QTest::newRow("zero") << 0.0 << 0;
        QTest::newRow("negative") << -3.0 << 0;
        QTest::newRow("absurdly long, capped at a minute") << 1e12 << 60000;
    }

    void durationOfZvuk() {
        QFETCH(double, n);
        QFETCH(int, milliseconds);
        QCOMPARE(toneDurationMs(n), milliseconds);
    }

    void samples_data() {
        QTest::addColumn<double>("frequency");
        QTest::addColumn<int>("milliseconds");
        QTest::addColumn<int>("rate");
        QTest::newRow("tone 25") << toneFrequencyHz << 300 << toneSampleRate;
        QTest::newRow("tone 50") << toneFrequencyHz << 600 << toneSampleRate;
        QTest::newRow("other pitch and rate") << 440.0 << 250 << 48000;
    }

    void samples() {
        QFETCH(double, frequency);
        QFETCH(int, milliseconds);
        QFETCH(int, rate);
        const auto s = toneSamples(frequency, milliseconds, rate);
        const double seconds = milliseconds / 1000.0;
        QCOMPARE(s.size(), std::size_t(milliseconds) * rate / 1000);

        // A sine crosses zero twice per period.
        const int expectedCrossings = int(std::lround(2 * frequency * seconds));
        QVERIFY(std::abs(zeroCrossings(s, 0, s.size()) - expectedCrossings) <= 2);

        // Full loudness in the middle, silence at both ends, a gradual rise and fall between.
        const std::size_t ms = rate / 1000;
        const int middle = peak(s, s.size() / 2 - 5 * ms, s.size() / 2 + 5 * ms);
        QVERIFY(middle > 10000);
        QVERIFY(std::abs(s.front()) < middle / 50);
        QVERIFY(std::abs(s.back()) < middle / 50);
        QVERIFY(peak(s, 0, ms) < middle / 2);
        QVERIFY(peak(s, s.size() - ms, s.size()) < middle / 2);
        QVERIFY(peak(s, 0, ms) < peak(s, 2 * ms, 3 * ms));
        QVERIFY(peak(s, s.size() - ms, s.size()) < peak(s, s.size() - 3 * ms, s.size() - 2 * ms));
        // No jump between neighbouring samples larger than the steepest part of the sine.
        const double steepest = middle * 2 * M_PI * frequency / rate;
        for (std::size_t i = 1; i < s.size(); ++i)
            QVERIFY(std::abs(s[i] - s[i - 1]) <= steepest + 2);
    }

    void noSamplesForNoDuration() {
        QVERIFY(toneSamples(toneFrequencyHz, 0, toneSampleRate).empty());
    }
};

QTEST_GUILESS_MAIN(TestToneSamples)
#include "tst_tone_samples.moc"
