#include "shell/resonance/resonance_setup.h"

#include <QCoreApplication>
#include <QtConcurrent>
#include <cmath>
#include <numbers>
#include <numeric>

namespace trelvix {

FrequencyRange defaultResonanceRange(const Characteristics& derived) {
    const double nu_0 = derived.omega_0 / (2 * std::numbers::pi);
    return {0.5 * nu_0, 1.5 * nu_0, defaultResonancePoints};
}

void mapOn(QThreadPool& pool, std::size_t count, const std::function<void(std::size_t)>& task) {
    std::vector<std::size_t> indices(count);
    std::iota(indices.begin(), indices.end(), std::size_t{0});
    QtConcurrent::blockingMap(&pool, indices, [&task](std::size_t& k) { task(k); });
}

void concurrentMap(std::size_t count, const std::function<void(std::size_t)>& task) {
    mapOn(*QThreadPool::globalInstance(), count, task);
}

namespace {

// The refusals are translated in the context of the set-up the window and the command line share.
struct ResonanceRefusals {
    Q_DECLARE_TR_FUNCTIONS(trelvix::ResonanceSetup)
public:
    static QString message(InputProblem problem);
    static QString cannotBuild(const QString& why) {
        return tr("Резонансную кривую построить нельзя: %1").arg(why);
    }
};

QString ResonanceRefusals::message(InputProblem problem) {
    switch (problem) {
    case InputProblem::NonPositiveFrequency:
        return tr("Частоты диапазона должны быть положительными числами (в герцах): "
                  "при нулевой частоте подвес неподвижен и установившихся "
                  "вынужденных колебаний нет.");
    case InputProblem::EmptyRange:
        return tr("Начальная частота диапазона должна быть меньше конечной.");
    case InputProblem::TooFewPoints:
        return tr("Число точек кривой должно быть не меньше 2.");
    case InputProblem::TooManyPoints:
        return tr("Число точек кривой должно быть не больше %1.").arg(maxSweepPoints);
    case InputProblem::NoRestoringForce:
        return cannotBuild(tr("пружина не создаёт возвращающей силы, "
                              "собственных колебаний нет. Измените параметры"));
    case InputProblem::NegativeDamping:
        return cannotBuild(tr("при отрицательном сопротивлении среды колебания "
                              "нарастают без конца. Измените параметры"));
    case InputProblem::NegativeDriveAmplitude:
        return cannotBuild(tr("амплитуда колебаний точки подвеса отрицательна. "
                              "Измените параметры"));
    case InputProblem::NonFiniteCoefficient:
    case InputProblem::None:
        break;
    }
    return cannotBuild(tr("коэффициенты уравнения движения не имеют конечных "
                          "значений. Измените параметры"));
}

} // namespace

QString resonanceProblemMessage(InputProblem problem) {
    return ResonanceRefusals::message(problem);
}

} // namespace trelvix
