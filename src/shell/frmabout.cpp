// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/frmabout.h"

#include <algorithm>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

#include "platform/process/processlauncher.h"
#include "platform/ui/twips.h"
#include "shell/shellresources.h"

namespace Shell {
namespace {

namespace Twips = Platform::Twips;

/// The two horizontal lines that separate the upper part from the credits: a white one
/// over a grey one, drawn in the window's own coordinates (twips converted to pixels).
class Line1 final : public QWidget {
public:
    explicit Line1(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("Line1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const int top = y();
        auto line = [&](const QColor &colour, int from, int to, int height) {
            painter.setPen(QPen(colour, 1));
            const int pixelY = Twips::toPixels(height, this) - top;
            painter.drawLine(Twips::toPixels(from, this) - x(), pixelY, Twips::toPixels(to, this) - x(), pixelY);
        };
        line(Qt::white, 240, 5640, 2445);
        line(QColor(128, 128, 128), 225, 5655, 2520);
    }
};

/// Image1: the course picture, stretched to its frame.
class Picture final : public QLabel {
public:
    explicit Picture(QWidget *parent)
        : QLabel(parent)
    {
        setObjectName(QStringLiteral("Image1"));
        setAccessibleName(QStringLiteral("Genie"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QSvgRenderer renderer(QStringLiteral(":/shell/genie.svg"));
        if (!renderer.isValid())
            return;
        QPainter painter(this);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        renderer.render(&painter, QRectF(rect()));
    }
};

QLabel *label(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height,
              qreal points = 0)
{
    auto *result = new QLabel(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    if (points > 0) {
        QFont font = result->font();
        font.setPointSizeF(points);
        result->setFont(font);
    }
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Twips::place(result, left, top, width, height);
    // Multi-line texts wrap inside their frame; a one-word label may need a few pixels more
    // than its frame with the desktop's font, and there is room to its right.
    const bool oneLine = !text.contains(u' ') && !text.contains(u'\n');
    result->setWordWrap(!oneLine);
    if (oneLine && result->sizeHint().width() > result->width())
        result->resize(result->sizeHint().width(), result->height());
    return result;
}

} // namespace

FrmAbout::FrmAbout(Platform::ProcessLauncher &launcher, QWidget *parent)
    : QDialog(parent)
    , m_launcher(launcher)
{
    initResources();
    setObjectName(QStringLiteral("frmAbout"));
    // The window's frames are measured for an 8-point dialog font.
    QFont dialogFont = font();
    dialogFont.setPointSizeF(8);
    setFont(dialogFont);
    setWindowTitle(QStringLiteral("About Veskora"));
    setModal(false);
    Twips::resizeClient(this, 5868, 3624);
    setFixedSize(size());

    auto *image = new Picture(this);
    Twips::place(image, 120, 120, 2250, 2175);

    QLabel *title = label(this, "lblTitle", QStringLiteral("Veskora – Russian for beginners with Genie"), 2640, 120,
                          3135, 480, 9.5);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    Twips::setColours(title, Qt::black, palette().color(QPalette::Window));

    label(this, "Label1", QStringLiteral("Version"), 2640, 960, 615, 255);
    label(this, "lblVersion", QStringLiteral("1.0"), 3360, 960, 1095, 225);

    label(this, "lblDescription",
          QStringLiteral("Spoken Russian with an interface in six languages. Genie is played by Veskora's own "
                         "character service and speaks with eSpeak NG. © 2026 The Veskora developers, "
                         "GPL-3.0-or-later."),
          2400, 1320, 3375, 810, 7);

    QLabel *webSiteLabel = label(this, "Label3", QStringLiteral("Webbsite:"), 2520, 2160, 735, 255);

    // The address is shown without its closing '/', which only takes room.
    QString address = webSite().toString();
    if (address.endsWith(u'/'))
        address.chop(1);
    m_ui.Text1 = new QLineEdit(address, this);
    m_ui.Text1->setObjectName(QStringLiteral("Text1"));
    m_ui.Text1->setReadOnly(true);
    m_ui.Text1->setFrame(false);
    m_ui.Text1->setCursor(Qt::PointingHandCursor);
    m_ui.Text1->setToolTip(QStringLiteral("Double-click to open the web site"));
    QFont linkFont = m_ui.Text1->font();
    linkFont.setUnderline(true);
    m_ui.Text1->setFont(linkFont);
    Twips::setColours(m_ui.Text1, Qt::blue, Qt::white);
    m_ui.Text1->setTextMargins(0, 0, 0, 0);
    m_ui.Text1->setCursorPosition(0);
    // 2055 by 195 twips is a shade smaller than the address in most desktop fonts; the text
    // box grows to its text (up to the window's edge) so the address is not cut.
    Twips::place(m_ui.Text1, 3480, 2160, 2055, 195);
    const int needed = m_ui.Text1->fontMetrics().horizontalAdvance(m_ui.Text1->text()) + 6;
    m_ui.Text1->resize(
        std::clamp(needed, m_ui.Text1->width(), std::max(m_ui.Text1->width(), width() - m_ui.Text1->x() - 2)),
        std::max(m_ui.Text1->height(), m_ui.Text1->fontMetrics().height() + 2));
    m_ui.Text1->installEventFilter(this);
    // The label in front names the address for a screen reader.
    webSiteLabel->setBuddy(m_ui.Text1);

    auto *line = new Line1(this);
    line->setGeometry(0, Twips::toPixels(2400, this), width(), Twips::toPixels(160, this));

    label(this, "lblDisclaimer",
          QStringLiteral("Microsoft Agent is Trademark of Microsoft Corp\n"
                         "Flags: Debian iso-flags-svg (public domain). Pictures: Twemoji (CC-BY 4.0). "
                         "Voice: eSpeak NG (GPL-3.0-or-later). Dictionary data: Debian's dictionary packages."),
          240, 2625, 3870, 825, 7);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    Twips::place(ok, 4320, 3000, 1467, 345);
    // OK is also the cancel button: Escape reaches QDialog::reject, which closes the same way.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

FrmAbout::~FrmAbout() = default;

QUrl FrmAbout::webSite()
{
    return QUrl(QStringLiteral("https://veskora.example.org/"));
}

bool FrmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.Text1 && event->type() == QEvent::MouseButtonDblClick) {
        openWebSite();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::openWebSite()
{
    // Every double-click asks for its own browser window; the about box stays open.
    m_launcher.openUrl(webSite());
}

} // namespace Shell
