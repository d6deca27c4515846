// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/agent/characterwindow.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>

namespace Platform {

namespace {

constexpr Qt::WindowFlags kFloatingFlags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
    | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;
constexpr int kRaiseIntervalMs = 2000;
constexpr int kPadding = 10;
constexpr int kTail = 14;

// Virtual screens (tests) have no window shapes or stacking and warn at every attempt.
bool windowSystemShapes()
{
    static const bool supported =
        QGuiApplication::platformName() != u"offscreen" && QGuiApplication::platformName() != u"minimal";
    return supported;
}

} // namespace

CharacterWindow::CharacterWindow(QWidget *parent)
    : QWidget(parent, kFloatingFlags)
{
    setObjectName(QStringLiteral("characterFigure"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_raise.setInterval(kRaiseIntervalMs);
    connect(&m_raise, &QTimer::timeout, this, [this] {
        if (windowSystemShapes())
            raise();
    });
}

void CharacterWindow::setFrame(const QImage &frame)
{
    m_frame = frame;
    // A frame drawn for a scaled screen has more pixels than the window has logical ones.
    const QSize logical = frame.deviceIndependentSize().toSize();
    if (size() != logical)
        setFixedSize(logical);
    // A frame without any opaque pixel would make an empty mask, which Qt treats as none.
    if (windowSystemShapes()) {
        QImage alpha = frame.createAlphaMask();
        if (alpha.size() != logical)
            alpha = alpha.scaled(logical);
        const QBitmap mask = QBitmap::fromImage(alpha);
        if (!QRegion(mask).isEmpty())
            setMask(mask);
    }
    update();
}

void CharacterWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_frame);
}

void CharacterWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT contextMenuRequested(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

void CharacterWindow::showEvent(QShowEvent *event)
{
    m_raise.start();
    QWidget::showEvent(event);
}

void CharacterWindow::hideEvent(QHideEvent *event)
{
    m_raise.stop();
    QWidget::hideEvent(event);
}

BalloonWindow::BalloonWindow(QWidget *parent)
    : QWidget(parent, kFloatingFlags)
{
    setObjectName(QStringLiteral("characterBalloon"));
    setAccessibleName(tr("Speech balloon"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void BalloonWindow::setLayoutLimits(int charactersPerLine, int lines)
{
    m_charactersPerLine = std::max(8, charactersPerLine);
    m_lines = std::max(1, lines);
}

void BalloonWindow::setWords(const QStringList &words)
{
    m_text = words.join(u' ');
    const QFontMetrics metrics(font());
    const int maxWidth = metrics.averageCharWidth() * m_charactersPerLine;
    const QRect bounds = metrics.boundingRect(QRect(0, 0, maxWidth, 100000), Qt::TextWordWrap, m_text);
    const int visibleHeight = std::min(bounds.height(), metrics.lineSpacing() * m_lines);
    const int width = std::max(bounds.width(), metrics.averageCharWidth() * 6);
    setFixedSize(width + 2 * kPadding, visibleHeight + 2 * kPadding + kTail);
    if (windowSystemShapes())
        setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

void BalloonWindow::placeBeside(const QRect &figure)
{
    const QScreen *screen = QWidget::screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    m_tailDown = figure.top() - height() >= available.top();
    int x = figure.center().x() - width() / 3;
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() - width()));
    const int y = m_tailDown ? figure.top() - height() + 4 : figure.bottom() - 4;
    m_tailX =
        std::clamp(figure.center().x() - x, kPadding + kTail, std::max(kPadding + kTail, width() - kPadding - kTail));
    move(x, y);
    if (windowSystemShapes())
        setMask(QRegion(outline().toFillPolygon().toPolygon()));
    update();
}

QRect BalloonWindow::textRect() const
{
    const int top = m_tailDown ? 0 : kTail;
    return QRect(kPadding, top + kPadding, width() - 2 * kPadding, height() - kTail - 2 * kPadding);
}

QPainterPath BalloonWindow::outline() const
{
    const int top = m_tailDown ? 0 : kTail;
    const QRectF box(0.5, top + 0.5, width() - 1.0, height() - kTail - 1.0);
    QPainterPath path;
    path.addRoundedRect(box, 10, 10);
    QPainterPath tail;
    const qreal baseY = m_tailDown ? box.bottom() - 1 : box.top() + 1;
    const qreal tipY = m_tailDown ? height() - 0.5 : 0.5;
    tail.moveTo(m_tailX - kTail / 2.0, baseY);
    tail.lineTo(m_tailX, tipY);
    tail.lineTo(m_tailX + kTail / 2.0, baseY);
    tail.closeSubpath();
    return path.united(tail);
}

void BalloonWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(QColor(255, 255, 225));
    painter.drawPath(outline());
    painter.setPen(Qt::black);
    // When the text is longer than the lines allowed, the latest lines stay in view.
    const QRect area = textRect();
    const QRect full = fontMetrics().boundingRect(QRect(0, 0, area.width(), 100000), Qt::TextWordWrap, m_text);
    painter.setClipRect(area);
    painter.drawText(QRect(area.left(), area.bottom() - std::max(full.height(), area.height()) + 1, area.width(),
                           std::max(full.height(), area.height())),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignBottom, m_text);
}

} // namespace Platform
