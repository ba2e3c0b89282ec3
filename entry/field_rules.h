#pragma once

// The rules of the twelve parameter fields as one table: which quantity a field sets, how the
// value is shown, which values are refused (with the message and the value put back), which
// warning a value deserves and which result labels lose their meaning for it.

#include "model/experiment.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace trelvix {

// The texts of the warnings already shown: each warning appears once in the life of the
// program.  Empty at start; a member receives its warning's text when the warning is shown.
struct WarningsShown {
    QString fff_ro_0; // the density warning
    QString fff_eta;  // the viscosity warning
};

struct Refusal {
    bool (*refuses)(const Experiment&);
    QString message;
    double (*resetValue)(const Experiment&);
};

struct Warning {
    bool (*applies)(const Experiment&);
    QString text;
    QString WarningsShown::*shown;
};

// Controls that are hidden while `hidden` holds and shown otherwise.
struct VisibilityGroup {
    QStringList controls;
    bool (*hidden)(const Experiment&);
};

struct FieldRule {
    QString field; // object name of the input field
    // Stores a number read from the field into its quantity (and into the quantities that
    // follow it, such as the ball radius).
    void (*store)(Experiment&, double);
    double (*value)(const Experiment&);
    // Display pattern of number_text.h; null for the general number form.
    const char* pattern;
    bool singlePrecision;
    std::optional<Refusal> refusal;
    std::optional<Warning> warning;
    std::vector<VisibilityGroup> visibility;
};

inline const QString refusalTitle = QStringLiteral("Ошибка");
inline const QString warningTitle = QStringLiteral("Предупреждение");

// The twelve rules, in the order the window fills the fields at start-up.
const std::vector<FieldRule>& fieldRules();

// The text a field shows for the value stored in its quantity.
std::string displayText(const FieldRule& rule, const Experiment& e);

} // namespace trelvix
