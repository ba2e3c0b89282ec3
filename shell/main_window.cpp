#include "shell/main_window.h"

namespace trelvix {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Form1");
    setWindowTitle(QStringLiteral("Вертикальные вынужденные колебания шара на пружине в среде"));
    resize(700, 504);
}

} // namespace trelvix
