#include "recording_platform.h"

#include <QPrinter>
#include <algorithm>

namespace trelvix {

void RecordingPlatform::record(PlatformEvent event) {
    events.append(event);
    if (whileOpen &&
        (event.kind == PlatformEvent::Kind::Message || event.kind == PlatformEvent::Kind::Question))
        whileOpen(event);
}

void RecordingPlatform::inform(const QString& title, const QString& text) {
    record({PlatformEvent::Kind::Message, title, text});
}

bool RecordingPlatform::askYesNo(const QString& title, const QString& text) {
    record({PlatformEvent::Kind::Question, title, text});
    return answers.isEmpty() ? false : answers.dequeue();
}

void RecordingPlatform::sound(double units) {
    record({PlatformEvent::Kind::Tone, {}, {}, units});
}

void RecordingPlatform::openDocument(const QString& fileName) {
    record({PlatformEvent::Kind::Document, {}, fileName});
}

QString RecordingPlatform::fileToOpen(const QString&, const QString&) {
    return chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
}

ChosenFile RecordingPlatform::fileToSave(const QString&, const QString& suggested,
                                         const QString& filter) {
    suggestedName = suggested;
    const QString path = chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
    const QString type = chosenFilters.isEmpty() ? filter.section(QStringLiteral(";;"), 0, 0)
                                                 : chosenFilters.dequeue();
    return {path, type};
}

bool RecordingPlatform::choosePrinter(QPrinter& printer) {
    if (printerFile.isEmpty()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printerFile);
    return true;
}

QStringList RecordingPlatform::log() const {
    QStringList lines;
    for (const PlatformEvent& e : events) {
        switch (e.kind) {
        case PlatformEvent::Kind::Message:
            lines << e.title + ": " + e.text;
            break;
        case PlatformEvent::Kind::Question:
            lines << "? " + e.title + ": " + e.text;
            break;
        case PlatformEvent::Kind::Tone:
            lines << "tone " + QString::number(e.n);
            break;
        case PlatformEvent::Kind::Document:
            lines << "open " + e.text;
            break;
        }
    }
    return lines;
}

int RecordingPlatform::count(PlatformEvent::Kind kind) const {
    return static_cast<int>(std::count_if(
        events.begin(), events.end(), [kind](const PlatformEvent& e) { return e.kind == kind; }));
}

} // namespace trelvix
