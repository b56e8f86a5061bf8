#include "shell/about_dialog.h"

#include "core/version.h"
#include "shell/about_texts.h"
#include "shell/system_info.h"
#include "widgets/backdrop_widget.h"
#include "widgets/form_geometry.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <array>
#include <functional>
#include <utility>

namespace {

using namespace about_texts;

QString text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QPoint twipsPoint(int x, int y) { return {twipsToPixels(x), twipsToPixels(y)}; }

// A decorative picture drawn in vector strokes, so that it stays sharp at any scale.
class DrawnPicture final : public QWidget {
public:
    DrawnPicture(QWidget* parent, std::function<void(QPainter&)> draw) : QWidget(parent), m_draw(std::move(draw))
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        m_draw(p);
    }

private:
    std::function<void(QPainter&)> m_draw;
};

const std::array<QColor, 4> FILE_COLOURS{
    QColor(0x9f, 0xc5, 0xe8), QColor(0xf2, 0xc4, 0x8f), QColor(0xb9, 0xde, 0xa6), QColor(0xd9, 0xb3, 0xe6)};

void drawBlock(QPainter& p, const QRectF& r, const QColor& fill)
{
    p.setPen(QPen(QColor(0x8a, 0x9b, 0xb0), 1));
    p.setBrush(fill);
    p.drawRoundedRect(r, 2, 2);
}

// The disk as a small grid, a few files coloured in.
void drawDisk(QPainter& p)
{
    const int used[8][8]
        = {{0, 0, 1, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 2, 2, 0, 0}, {3, 0, 0, 0, 0, 2, 0, 0}, {3, 3, 0, 4, 0, 0, 0, 0},
            {0, 0, 0, 4, 4, 0, 1, 0}, {0, 2, 0, 0, 0, 0, 1, 0}, {0, 0, 0, 3, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 4, 0, 0}};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int owner = used[row][column];
            drawBlock(p, QRectF(12 + 18 * column, 8 + 17 * row, 14, 13),
                owner == 0 ? QColor(Qt::white) : FILE_COLOURS[static_cast<std::size_t>(owner - 1)]);
        }
    }
}

// Three blocks of one file, each pointing to the next.
void drawChain(QPainter& p)
{
    const std::array<QPointF, 3> at{QPointF(6, 8), QPointF(66, 34), QPointF(14, 66)};
    for (std::size_t i = 0; i + 1 < at.size(); ++i) {
        p.setPen(QPen(QColor(0x5b, 0x6f, 0x8a), 1.5));
        p.drawLine(at[i] + QPointF(20, 10), at[i + 1] + QPointF(20, 10));
    }
    for (const QPointF& corner : at)
        drawBlock(p, QRectF(corner, QSizeF(40, 22)), FILE_COLOURS[0]);
}

// An index block naming its data blocks.
void drawIndex(QPainter& p)
{
    drawBlock(p, QRectF(2, 12, 16, 16), FILE_COLOURS[1]);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0x5b, 0x6f, 0x8a), 1));
        p.drawLine(QPointF(18, 20), QPointF(34, 6.0 + 14 * i));
        drawBlock(p, QRectF(34, 1.0 + 14 * i, 18, 10), FILE_COLOURS[2]);
    }
}

QLabel* label(QWidget* parent, std::string_view name, const QString& caption, const form_layout::Rect& at,
    bool sizedToText = false)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(text(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(l, at);
    if (sizedToText)
        l->resize(l->sizeHint());
    return l;
}

}  // namespace

AboutDialog::AboutDialog(Registry& registry, ProgramStarter& starter, QWidget* parent)
    : QDialog(parent), m_registry(registry), m_starter(starter), m_messages(this, {})
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(CLIENT_WIDTH), twipsToPixels(CLIENT_HEIGHT));
    setFont(msSansSerif(8.25));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* backdrop = new DrawnPicture(this, drawDisk);
    backdrop->setObjectName(QStringLiteral("picture"));
    backdrop->setGeometry(0, 0, 165, 151);

    auto* picture1 = new DrawnPicture(this, drawChain);
    picture1->setObjectName(QStringLiteral("Picture1"));
    place(picture1, 240, 2640, 1695, 1455);
    auto* picture2 = new DrawnPicture(this, drawIndex);
    picture2->setObjectName(QStringLiteral("Picture2"));
    place(picture2, 6000, 3480, 855, 615);

    lblTitle = label(this, "lblTitle", QString(), TITLE_RECT);
    lblTitle->setFont(msSansSerif(12, true));
    lblVersion = label(this, "lblVersion", QString(), VERSION_RECT);
    for (const Text& t : TEXTS)
        label(this, t.name, text(t.text), t.rect, t.sizedToText);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    place(cmdOK, OK_RECT);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAccessibleName(QStringLiteral("System Info"));
    place(cmdSysInfo, SYS_INFO_RECT);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::onSysInfoClicked);
    setTabOrder(cmdOK, cmdSysInfo);

    load();
    cmdOK->setFocus();
}

void AboutDialog::load()
{
    setWindowTitle(QStringLiteral("About ") + text(TITLE));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(VERSION_MAJOR).arg(VERSION_MINOR).arg(VERSION_REVISION));
    lblTitle->setText(text(TITLE));
}

void AboutDialog::onSysInfoClicked() { startSysInfo(m_registry, m_starter, m_messages); }

void AboutDialog::done(int result)
{
    QDialog::done(result);
    emit closed();
}

void AboutDialog::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // An etched separator: a grey line with a white one, two pixels wide, just below it.
    QPainter p(this);
    const QPoint whiteFrom = twipsPoint(105, 2460);
    const QPoint whiteTo = twipsPoint(5654, 2460);
    p.fillRect(QRect(whiteFrom.x(), whiteFrom.y(), whiteTo.x() - whiteFrom.x(), 2), Qt::white);
    p.setPen(QPen(QColor(128, 128, 128), 1));
    p.drawLine(twipsPoint(600, 2445), twipsPoint(7080, 2445));
}
