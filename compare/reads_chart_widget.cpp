#include "compare/reads_chart_widget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Told apart by dash and marker as well as colour, for those who do not see the colours apart.
struct Look {
    QColor colour;
    Qt::PenStyle dash;
    int marker;  // 0 circle, 1 square, 2 triangle, 3 diamond
};
const Look LOOKS[] = {{QColor(0x00, 0x72, 0xb2), Qt::SolidLine, 0}, {QColor(0xd5, 0x5e, 0x00), Qt::DashLine, 1},
    {QColor(0x00, 0x9e, 0x73), Qt::DotLine, 2}, {QColor(0xcc, 0x79, 0xa7), Qt::DashDotLine, 3}};

void drawMarker(QPainter& p, QPointF at, int marker)
{
    constexpr double R = 3.5;
    switch (marker) {
    case 0: p.drawEllipse(at, R, R); break;
    case 1: p.drawRect(QRectF(at.x() - R, at.y() - R, 2 * R, 2 * R)); break;
    case 2: p.drawPolygon(QPolygonF({at + QPointF(0, -R - 1), at + QPointF(R + 1, R), at + QPointF(-R - 1, R)})); break;
    default:
        p.drawPolygon(QPolygonF(
            {at + QPointF(0, -R - 1), at + QPointF(R + 1, 0), at + QPointF(0, R + 1), at + QPointF(-R - 1, 0)}));
    }
}

QString valuesText(const std::vector<std::optional<int>>& reads)
{
    QStringList values;
    for (const auto& r : reads)
        values << (r ? QString::number(*r) : ReadsChartWidget::tr("none"));
    return values.join(QStringLiteral(", "));
}

}  // namespace

ReadsChartWidget::ReadsChartWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("compareChart"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Reads to reach block k"));
    setLines({}, 0);
}

void ReadsChartWidget::setLines(std::vector<Line> lines, int chosen)
{
    m_lines = std::move(lines);
    m_chosen = chosen;
    const std::size_t blocks = m_lines.empty() ? 0 : m_lines.front().reads.size();
    QString description = blocks == 0
        ? tr("No file placed.")
        : tr("Disk reads to reach block k of the file, for k from 0 to %1.").arg(blocks - 1);
    for (const Line& line : m_lines)
        description += QStringLiteral(" %1: %2.").arg(line.method, valuesText(line.reads));
    setAccessibleDescription(description);
    update();
}

void ReadsChartWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().color(QPalette::Base));
    const QColor ink = palette().color(QPalette::Text);
    const QFontMetrics metrics(font());
    const int blocks = m_lines.empty() ? 0 : static_cast<int>(m_lines.front().reads.size());
    int most = 1;
    for (const Line& line : m_lines) {
        for (const auto& r : line.reads)
            most = std::max(most, r.value_or(0));
    }
    constexpr int LEGEND_KEY = 38;  // the line and marker before each name
    int widest = 0;
    for (const Line& line : m_lines)
        widest = std::max(widest, metrics.horizontalAdvance(line.method));
    const QRect plot = rect().adjusted(metrics.horizontalAdvance(QStringLiteral("000")) + 16, metrics.height() + 6,
        -(widest + LEGEND_KEY + 28), -(2 * metrics.height() + 12));
    if (plot.width() < 20 || plot.height() < 20)
        return;

    const auto xOf = [&](int k) { return plot.left() + (blocks <= 1 ? 0.0 : double(plot.width()) * k / (blocks - 1)); };
    const auto yOf = [&](int reads) { return plot.bottom() - double(plot.height()) * reads / most; };

    p.setPen(ink);
    p.drawText(QRect(0, 0, width(), metrics.height() + 4), Qt::AlignLeft | Qt::AlignVCenter, tr("Disk reads"));
    p.drawText(QRect(plot.left(), plot.bottom() + metrics.height() + 6, plot.width(), metrics.height() + 4),
        Qt::AlignCenter, tr("Block k of the file"));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    // Ticks: every read up to ten, then every fifth; k likewise, at most a dozen labels.
    const int readStep = most <= 10 ? 1 : 5;
    for (int r = 0; r <= most; r += readStep) {
        const double y = yOf(r);
        p.setPen(palette().color(QPalette::Midlight));
        p.drawLine(QPointF(plot.left() + 1, y), QPointF(plot.right(), y));
        p.setPen(ink);
        p.drawText(QRectF(0, y - metrics.height(), plot.left() - 6, 2 * metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QString::number(r));
    }
    const int kStep = std::max(1, (blocks + 11) / 12);
    for (int k = 0; k < blocks; k += kStep) {
        const double x = xOf(k);
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        p.drawText(QRectF(x - 20, plot.bottom() + 4, 40, metrics.height() + 2), Qt::AlignCenter, QString::number(k));
    }
    if (blocks > 0) {
        QPen chosen(palette().color(QPalette::Highlight), 1, Qt::DashLine);
        p.setPen(chosen);
        p.drawLine(QPointF(xOf(m_chosen), plot.top()), QPointF(xOf(m_chosen), plot.bottom()));
    }

    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Look& look = LOOKS[i % std::size(LOOKS)];
        const Line& line = m_lines[i];
        QPainterPath path;
        bool drawing = false;
        for (int k = 0; k < blocks; ++k) {
            const auto r = line.reads[static_cast<std::size_t>(k)];
            if (!r) {
                drawing = false;
                continue;
            }
            const QPointF at(xOf(k), yOf(*r));
            drawing ? path.lineTo(at) : path.moveTo(at);
            drawing = true;
        }
        p.setPen(QPen(look.colour, 2, look.dash));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setPen(QPen(look.colour, 1.5));
        p.setBrush(palette().color(QPalette::Base));
        for (int k = 0; k < blocks; ++k) {
            if (const auto r = line.reads[static_cast<std::size_t>(k)])
                drawMarker(p, QPointF(xOf(k), yOf(*r)), look.marker);
        }
        // The legend, at the right.
        const int y = plot.top() + static_cast<int>(i) * (metrics.height() + 8);
        const int x = plot.right() + 16;
        p.setPen(QPen(look.colour, 2, look.dash));
        p.drawLine(x, y + metrics.height() / 2, x + 30, y + metrics.height() / 2);
        p.setPen(QPen(look.colour, 1.5));
        drawMarker(p, QPointF(x + 15, y + metrics.height() / 2.0), look.marker);
        p.setPen(ink);
        p.drawText(
            QRect(x + LEGEND_KEY, y, widest + 4, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, line.method);
    }
}
