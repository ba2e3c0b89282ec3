#include "shell/files/lab_report.h"

#include "graphics/carried_fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QTextCursor>
#include <QTextObjectInterface>

namespace trelvix {

namespace {

// The graphs are drawn into the document as the vector drawings they are: a text object that
// plays a recorded picture scaled into its place, on the screen as on a PDF page or a printer.
class GraphObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    static constexpr int type = QTextFormat::UserObject + 1;
    static constexpr int pictureIndex = QTextFormat::UserProperty + 1;
    static constexpr int shownSize = QTextFormat::UserProperty + 2;

    explicit GraphObject(QObject* parent) : QObject(parent) {}
    int keep(const QPicture& picture) {
        pictures_.push_back(picture);
        return int(pictures_.size()) - 1;
    }
    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
        return format.property(shownSize).toSizeF();
    }
    void drawObject(QPainter* painter, const QRectF& place, QTextDocument*, int,
                    const QTextFormat& format) override {
        const QPicture& picture = pictures_.at(format.property(pictureIndex).toInt());
        const QRect bounds = picture.boundingRect();
        if (bounds.isEmpty()) return;
        painter->save();
        painter->translate(place.topLeft());
        painter->scale(place.width() / bounds.width(), place.height() / bounds.height());
        painter->setClipRect(bounds);
        painter->drawPicture(0, 0, picture);
        painter->restore();
    }

private:
    std::vector<QPicture> pictures_;
};

// The report's own texts; the names of the quantities come with the report.
struct ReportTexts {
    Q_DECLARE_TR_FUNCTIONS(trelvix::LabReport)
};

const QString styleSheet = QStringLiteral(
    "h1 { font-size: 17pt; } h2 { font-size: 14pt; margin-top: 14px; } h3 { font-size: 11pt; }"
    "table { border-collapse: collapse; margin-top: 4px; }"
    "th { background-color: #e4e4e4; }"
    "td, th { border-style: solid; border-color: #808080; border-width: 1px; padding: 3px; }");

// A table row of `cells`, each in `tag` ("td", or "th" for column titles).
QString row(const QStringList& cells, const QString& tag = QStringLiteral("td")) {
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    return html + QStringLiteral("</tr>");
}

QString parametersTable(const LabReport& report) {
    QString html =
        QStringLiteral("<h2>%1</h2><table>").arg(ReportTexts::tr("Параметры эксперимента")) +
        row({ReportTexts::tr("Имя"), ReportTexts::tr("Величина"), ReportTexts::tr("Значение")},
            QStringLiteral("th"));
    for (const ReportParameter& p : report.parameters)
        html += row({p.name, p.quantity, p.text});
    return html + QStringLiteral("</table>");
}

QString measurementsTable(const ReportTable& table) {
    if (table.rows.empty()) return {};
    QString html = QStringLiteral("<h2>%1</h2><table>").arg(ReportTexts::tr("Измерения")) +
                   row(table.columns, QStringLiteral("th"));
    for (const QStringList& cells : table.rows)
        html += row(cells);
    return html + QStringLiteral("</table>");
}

QString characteristicsTable(const LabReport& report) {
    QString html =
        QStringLiteral("<h2>%1</h2><table>").arg(ReportTexts::tr("Характеристики движения"));
    for (const ReportLine& line : report.characteristics)
        html += row({line.what, line.value});
    return html + QStringLiteral("</table>");
}

// The text each graph takes the place of.
QString placeholder(std::size_t index) {
    return QStringLiteral("[graph%1]").arg(index);
}

// The graphs start a page and go two to a page, each under its title: no heading is left at
// the foot of a page and no graph alone on one.
QString graphsHtml(const LabReport& report) {
    const QString newPage = QStringLiteral(" style=\"page-break-before: always\"");
    QString html =
        QStringLiteral("<h2%1>%2</h2>").arg(newPage, ReportTexts::tr("Графики последнего расчёта"));
    for (std::size_t i = 0; i < report.graphs.size(); ++i)
        html += QStringLiteral("<h3%1>%2</h3><p>%3</p>")
                    .arg(i > 0 && i % 2 == 0 ? newPage : QString(),
                         report.graphs[i].title.toHtmlEscaped(), placeholder(i));
    return html;
}

void insertGraphs(QTextDocument& document, const LabReport& report) {
    auto* graphs = new GraphObject(&document);
    document.documentLayout()->registerHandler(GraphObject::type, graphs);
    for (std::size_t i = 0; i < report.graphs.size(); ++i) {
        const QPicture& picture = report.graphs[i].picture;
        QTextCursor place = document.find(placeholder(i));
        if (place.isNull()) continue;
        QTextCharFormat format;
        format.setObjectType(GraphObject::type);
        format.setProperty(GraphObject::pictureIndex, graphs->keep(picture));
        format.setProperty(GraphObject::shownSize, QSizeF(picture.boundingRect().size().scaled(
                                                       reportGraphBox, Qt::KeepAspectRatio)));
        place.insertText(QString(QChar::ObjectReplacementCharacter), format);
    }
}

} // namespace

void composeLabReport(QTextDocument& document, const LabReport& report) {
    const QString title = ReportTexts::tr("Отчёт о лабораторной работе");
    // The carried serif, like the windows: the same pages whatever fonts the desktop has.
    document.setDefaultFont(graphics::carriedFont(graphics::Face::Serif, 11));
    document.setDefaultStyleSheet(styleSheet);
    //: The form of the report's date: dd day, MM month, yyyy year, HH:mm hours and minutes.
    const QString dateForm = ReportTexts::tr("dd.MM.yyyy HH:mm");
    QString html = QStringLiteral("<h1>%1</h1><p>%2</p><p>%3</p>")
                       .arg(title,
                            ReportTexts::tr("Вертикальные вынужденные колебания шара на "
                                            "пружине в вязкой среде"),
                            ReportTexts::tr("Дата: %1").arg(report.when.toString(dateForm)));
    html += parametersTable(report) + characteristicsTable(report) + graphsHtml(report) +
            measurementsTable(report.measurements);
    document.setHtml(html);
    insertGraphs(document, report);
    // After the HTML, which resets the title.
    document.setMetaInformation(QTextDocument::DocumentTitle, title);
}

} // namespace trelvix

#include "lab_report.moc"
