#pragma once

// Opening the help documents: the program only hands a file name to the desktop, which picks the
// viewer (a PDF reader for the help, the text editor for the instruction).

#include <QString>

namespace trelvix {

class Desktop {
public:
    virtual ~Desktop() = default;

    // Opens `fileName` (relative to the current directory) with the desktop's default
    // application for its type.  Returns at once; a missing file or a missing viewer is not
    // reported.
    virtual void openDocument(const QString& fileName) = 0;
};

class QtDesktop : public Desktop {
public:
    void openDocument(const QString& fileName) override;
};

} // namespace trelvix
