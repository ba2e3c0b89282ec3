#pragma once

#include <QWidget>

class QLabel;

namespace trelvix {

// The authors window: a picture and the authors' credentials.  Fixed size; discarded when
// the user closes it.
class AuthorsWindow : public QWidget {
    Q_OBJECT
public:
    explicit AuthorsWindow(QWidget* parent = nullptr);

    QLabel* picture() const { return image_; }
    QLabel* credit() const { return label_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QLabel* image_;
    QLabel* label_;
};

} // namespace trelvix
