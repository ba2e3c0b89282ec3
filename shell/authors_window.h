#pragma once

#include <QWidget>

class QLabel;

namespace trelvix {

// Form2, the authors window: a picture and the authors' credentials.  Fixed size; discarded when
// the user closes it.
class AuthorsWindow : public QWidget {
    Q_OBJECT
public:
    explicit AuthorsWindow(QWidget* parent = nullptr);

    QLabel* Image1() const { return image_; }
    QLabel* Label1() const { return label_; }

private:
    QLabel* image_;
    QLabel* label_;
};

} // namespace trelvix
