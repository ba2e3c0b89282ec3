#pragma once

// A stand-in for the desktop in tests: it records every message, question, tone and opened
// document in the order they happen and answers questions and file dialogs from queues.

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/platform.h"
#include "platform/tone.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

namespace trelvix {

struct PlatformEvent {
    enum class Kind { Message, Question, Tone, Document };
    Kind kind;
    QString title; // message and question
    QString text;  // message and question; the file name of a document
    double n = 0;  // the count of a tone
};

class RecordingPlatform : public MessageBoxes,
                          public Tone,
                          public Desktop,
                          public Clock,
                          public FileDialogs {
public:
    void inform(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;
    void sound(double units) override;
    void openDocument(const QString& fileName) override;
    double seconds() override { return now; }
    QString fileToOpen(const QString& title, const QString& filter) override;
    ChosenFile fileToSave(const QString& title, const QString& suggested,
                          const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;

    // This stand-in in every role, for a window under test.
    Platform platform() { return {*this, *this, *this, *this, *this, languages}; }

    // Everything so far, one line per event: "tone 25", "Ошибка: <text>", "? На Выход: <text>",
    // "open spravka.pdf".
    QStringList log() const;
    int count(PlatformEvent::Kind kind) const;
    void clear() { events.clear(); }

    QList<PlatformEvent> events;
    // Answers to askYesNo, first in first out; an empty queue answers No.
    QQueue<bool> answers;
    // Called while a message or question is "open", before it returns: lets a test look at the
    // state the student sees behind the box.
    std::function<void(const PlatformEvent&)> whileOpen;
    // The paths the file dialogs answer, first in first out; an empty queue cancels the dialog.
    // The suggested name of the last save dialog is kept.
    QQueue<QString> chosenFiles;
    // The file types a save dialog answers with its path, first in first out; with none left,
    // the dialog's first type.
    QQueue<QString> chosenFilters;
    QString suggestedName;
    // The print dialog prints into this PDF file; empty: the dialog is cancelled.
    QString printerFile;
    // What seconds() returns; tests move it forward.
    double now = 0;
    // The real translations: a window under test switches its language as the program does.
    LanguageSwitch languages;

private:
    void record(PlatformEvent event);
};

} // namespace trelvix
