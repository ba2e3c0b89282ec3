#include "shell/files/lab_report.h"

#include "graphics/carried_fonts.h"

#include <QUrl>

namespace trelvix {

namespace {

// The box a graph is fitted into, in layout pixels: large enough to be read on paper, small
// enough for a heading and two graphs on an A4 page.
constexpr QSize graphBox{440, 300};

const QString styleSheet = QStringLiteral(
    "h1 { font-size: 17pt; } h2 { font-size: 14pt; margin-top: 14px; } h3 { font-size: 11pt; }"
    "table { border-collapse: collapse; margin-top: 4px; }"
    "th { background-color: #e4e4e4; }"
    "td, th { border-style: solid; border-color: #808080; border-width: 1px; padding: 3px; }");

QString row(std::initializer_list<QString> cells) {
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
    return html + QStringLiteral("</tr>");
}

QString parametersTable(const LabReport& report) {
    QString html = QStringLiteral("<h2>Параметры эксперимента</h2><table><tr><th>Имя</th>"
                                  "<th>Величина</th><th>Значение</th></tr>");
    for (const ReportParameter& p : report.parameters)
        html += row({p.name, p.quantity, p.text});
    return html + QStringLiteral("</table>");
}

QString characteristicsTable(const LabReport& report) {
    QString html = QStringLiteral("<h2>Характеристики движения</h2><table>");
    for (const ReportLine& line : report.characteristics)
        html += row({line.what, line.value});
    return html + QStringLiteral("</table>");
}

QString graphs(QTextDocument& document, const LabReport& report) {
    QString html = QStringLiteral("<h2>Графики последнего расчёта</h2>");
    for (std::size_t i = 0; i < report.graphs.size(); ++i) {
        const ReportGraph& graph = report.graphs[i];
        const QString name = QStringLiteral("graph%1.png").arg(i);
        document.addResource(QTextDocument::ImageResource, QUrl(name), graph.picture);
        const QSize shown = graph.picture.size().scaled(graphBox, Qt::KeepAspectRatio);
        html += QStringLiteral("<h3>%1</h3><p><img src=\"%2\" width=\"%3\" height=\"%4\"></p>")
                    .arg(graph.title.toHtmlEscaped(), name)
                    .arg(shown.width())
                    .arg(shown.height());
    }
    return html;
}

} // namespace

void composeLabReport(QTextDocument& document, const LabReport& report) {
    const QString title = QStringLiteral("Отчёт о лабораторной работе");
    // The carried serif, like the windows: the same pages whatever fonts the desktop has.
    document.setDefaultFont(graphics::carriedFont(graphics::Face::Serif, 11));
    document.setDefaultStyleSheet(styleSheet);
    QString html =
        QStringLiteral("<h1>%1</h1><p>Вертикальные вынужденные колебания шара на пружине в "
                       "вязкой среде</p><p>Дата: %2</p>")
            .arg(title, report.when.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    html += parametersTable(report) + characteristicsTable(report) + graphs(document, report);
    document.setHtml(html);
    // After the HTML, which resets the title.
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
}

} // namespace trelvix
