// Thousands of random edits in every field, typed keystroke by keystroke or written whole: after
// each one the field shows the display form of its stored value, that value is the value of the
// shown text, it is finite and within the field's rule, and at most one message (after its tone)
// has been shown.

#include "fake_form.h"

#include <QRandomGenerator>
#include <QTest>

using namespace trelvix;

namespace {

const QString keyAlphabet = QStringLiteral("01234567890123456789.,.-+eEdD &HOxя");
const QString textAlphabet = keyAlphabet + QStringLiteral("\t\n");

QString randomText(QRandomGenerator& rng, const QString& alphabet) {
    // Mostly short texts; now and then one far longer than any double.
    const int length = rng.bounded(20) == 0 ? rng.bounded(40, 400) : rng.bounded(0, 12);
    QString text;
    for (int i = 0; i < length; ++i)
        text += alphabet[rng.bounded(int(alphabet.size()))];
    return text;
}

} // namespace

class TestRandomTyping : public QObject {
    Q_OBJECT

    FakeForm form;
    int messagesBefore = 0;
    int tonesBefore = 0;

    void beginEdit() {
        messagesBefore = form.platform.count(PlatformEvent::Kind::Message);
        tonesBefore = form.platform.count(PlatformEvent::Kind::Tone);
    }

    // Returns false (after recording a test failure) when the edit broke an invariant.
    bool editKeptInvariants(Input field) {
        const QLineEdit* edit = form.field(field);
        const QString context = edit->objectName() + " shows '" + edit->text() + "'";
        const int messages = form.platform.count(PlatformEvent::Kind::Message) - messagesBefore;
        const int tones = form.platform.count(PlatformEvent::Kind::Tone) - tonesBefore;
        [&] {
            QVERIFY2(messages <= 1, qPrintable(context));
            QVERIFY2(tones == messages, qPrintable(context));
            const QString wrong = form.inconsistency(field);
            QVERIFY2(wrong.isEmpty(), qPrintable(context + ": " + wrong));
        }();
        return !QTest::currentTestFailed();
    }

    bool typeChecked(Input field, const QString& keys) {
        for (const QChar key : keys) {
            beginEdit();
            typeKeys(form.field(field), key);
            if (!editKeptInvariants(field)) return false;
        }
        return true;
    }

private slots:
    void initTestCase() { form.writeInitialInputs(); }

    void randomEditsKeepTheFieldsConsistent_data() {
        QTest::addColumn<Input>("field");
        for (const InputRow& row : inputTable())
            QTest::newRow(row.fieldName) << row.input;
    }

    void randomEditsKeepTheFieldsConsistent() {
        QFETCH(Input, field);
        QRandomGenerator rng(20261207u + int(field));
        QLineEdit* edit = form.field(field);
        for (int round = 0; round < 1000; ++round) {
            switch (rng.bounded(4)) {
            case 0: // a new number over the whole text
                edit->selectAll();
                if (!typeChecked(field, randomText(rng, keyAlphabet))) return;
                break;
            case 1: // one character somewhere
                edit->setCursorPosition(rng.bounded(int(edit->text().size()) + 1));
                if (!typeChecked(field, QString(keyAlphabet[rng.bounded(int(keyAlphabet.size()))])))
                    return;
                break;
            case 2: // one character deleted somewhere
                beginEdit();
                edit->setCursorPosition(rng.bounded(int(edit->text().size()) + 1));
                QTest::keyClick(edit, rng.bounded(2) ? Qt::Key_Backspace : Qt::Key_Delete);
                if (!editKeptInvariants(field)) return;
                break;
            default: // the program writes (or the student pastes) a whole text
                beginEdit();
                edit->setText(randomText(rng, textAlphabet));
                if (!editKeptInvariants(field)) return;
                break;
            }
        }
    }
};

QTEST_MAIN(TestRandomTyping)
#include "tst_random_typing.moc"
