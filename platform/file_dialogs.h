#pragma once

// Choosing a file to open or to save through the desktop's file dialog, and a printer through the
// print dialog.  The interface lets the windows be tested with answers given in advance instead
// of a person picking a file or a printer.

#include <QCoreApplication>
#include <QString>

class QPrinter;

namespace trelvix {

// The file chosen in a save dialog and the file type chosen with it: the type tells how to
// write a name typed without an extension.
struct ChosenFile {
    QString path;   // empty when the dialog was cancelled
    QString filter; // one of the dialog's file types, as given ("Рисунки SVG (*.svg)")
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // A modal dialog for an existing file; `filter` as QFileDialog takes it
    // ("Эксперименты (*.trelvix)").  Returns the chosen path, empty when cancelled.
    virtual QString fileToOpen(const QString& title, const QString& filter) = 0;

    // A modal dialog for a file to write, starting with `suggested` (a name or a path).  The
    // dialog itself asks before a file is replaced.  Returns the path (empty when cancelled) and
    // the file type chosen.
    virtual ChosenFile fileToSave(const QString& title, const QString& suggested,
                                  const QString& filter) = 0;

    // The print dialog: sets up `printer` as the user chooses; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer) = 0;
};

// The first extension of one file type, with its point: ".svg" for "Рисунки SVG (*.svg)"; empty
// when the type names none.
QString filterExtension(const QString& filter);

// The desktop's dialogs, modal over the active window.
class QtFileDialogs : public FileDialogs {
    Q_DECLARE_TR_FUNCTIONS(trelvix::QtFileDialogs)
public:
    QString fileToOpen(const QString& title, const QString& filter) override;
    ChosenFile fileToSave(const QString& title, const QString& suggested,
                          const QString& filter) override;
    bool choosePrinter(QPrinter& printer) override;
};

} // namespace trelvix
