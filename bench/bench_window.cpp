#include "bench_window.h"

#include "model/run.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>

namespace trelvix::bench {

std::string viewName(View view) {
    return view == View::Animation ? "animation" : "time graphs";
}

std::string sizeText(QSize size) {
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

void settle() {
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

BenchWindow::BenchWindow(QSize client, View view)
    : window_(std::make_unique<MainWindow>(platform_.platform())) {
    window_->show();
    settle();
    resizeClientArea(client);
    if (view == View::TimeGraphs) window_->controls().graphsOption->click();
    settle();
    platform_.clear();
}

BenchWindow::~BenchWindow() {
    window_.reset();
    settle(); // deferred deletions and the last events of the window
}

// The window grows by the difference between the client size it has and the one wanted, so
// the menu bar and any frame keep their own size.
void BenchWindow::resizeClientArea(QSize client) {
    const QSize outside = window_->size() - window_->clientArea()->size();
    window_->resize(client + outside);
    settle();
    if (window_->clientArea()->size() != client)
        throw std::runtime_error("the platform refused the client size asked for");
}

void BenchWindow::enterComputationTime(const QString& seconds) {
    QLineEdit* field = window_->controls().field(Input::T);
    field->selectAll();
    field->insert(seconds);
    settle();
}

long long BenchWindow::stepsOfRun() const {
    const Experiment& e = window_->experiment();
    std::optional<RunDriver> run = RunDriver::begin(e.inputs, e.derived);
    if (!run) return 0;
    while (run->goesOn())
        run->step();
    return run->stepCount();
}

} // namespace trelvix::bench
