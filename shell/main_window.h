#pragma once

#include <QMainWindow>

namespace trelvix {

// Form1, the main window of the simulator.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace trelvix
