#pragma once

// Modal message boxes: the only way the program talks to the student about a mistake, a doubtful
// value or the end of the program.  The interface lets the windows be tested without a person
// clicking the boxes away.

#include <QCoreApplication>
#include <QString>

class QWidget;

namespace trelvix {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // A modal box with a title, a text and an OK button only, without an icon; returns when the
    // student has closed it.
    virtual void inform(const QString& title, const QString& text) = 0;

    // A modal box with a title, a text and the buttons Yes and No; true for Yes.  Closing the
    // box any other way counts as No.
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
};

// The boxes of the desktop, modal over `parent`, or over the active window when it is null.
class QtMessageBoxes : public MessageBoxes {
    Q_DECLARE_TR_FUNCTIONS(trelvix::QtMessageBoxes)
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}

    void inform(const QString& title, const QString& text) override;
    bool askYesNo(const QString& title, const QString& text) override;

private:
    QWidget* owner() const;

    QWidget* parent_;
};

} // namespace trelvix
