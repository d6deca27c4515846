// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "shell/frmsplash.h"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/ui/drawingcache.h"
#include "platform/ui/twips.h"
#include "shell/shellresources.h"

namespace Shell {

QString FrmSplash::versionText(int major, int minor)
{
    return QStringLiteral("Version %1.%2.").arg(major).arg(minor);
}

FrmSplash::FrmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    m_ui.Timer1 = new QTimer(this);
    initResources();
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Veskora"));
    // The window's own background; the frame and the texts show it through. A palette
    // rather than a style sheet: a style sheet puts every widget of the window through the
    // style-sheet machinery before the first paint.
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(0xfd, 0xf6, 0xe3));
    setPalette(background);
    setAutoFillBackground(true);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);

    auto *image = new QLabel(frame);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(Platform::Pictures::renderCached(QStringLiteral(":/shell/genie.svg"), QSize(160, 160),
                                                      image->devicePixelRatioF()));
    image->setAccessibleName(tr("Veskora"));

    const auto label = [frame](const char *name, const QString &text, int pointSize, bool bold = false) {
        auto *l = new QLabel(text, frame);
        l->setObjectName(QString::fromLatin1(name));
        QFont font = l->font();
        font.setPointSize(pointSize);
        font.setBold(bold);
        l->setFont(font);
        l->setWordWrap(true);
        return l;
    };
    QLabel *company = label("lblCompanyProduct", QStringLiteral("Veskora: Russian for tourists"), 14, true);
    QLabel *product = label("lblProductName", QStringLiteral(" hosted by Genie"), 18, true);
    QLabel *maker = label("lblCompany", QStringLiteral("The Veskora developers"), 10);
    QLabel *platformLabel = label("lblPlatform", QStringLiteral("Windows 95/98/ME/2000"), 10);
    QLabel *version = label("lblVersion", versionText(VESKORA_VERSION_MAJOR, VESKORA_VERSION_MINOR), 10, true);
    QLabel *warning = label("lblWarning",
                            QStringLiteral("Microsoft Agent is Trademark of Microsoft Co\n"
                                           "Course, character and voice set-up by the Veskora developers; "
                                           "speech by eSpeak NG."),
                            8);

    auto *texts = new QVBoxLayout;
    for (QLabel *l : {company, product, maker, platformLabel, version, warning})
        texts->addWidget(l);
    auto *row = new QHBoxLayout(frame);
    row->addWidget(image);
    row->addLayout(texts, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    Platform::Twips::resizeClient(this, 7380, 4050);

    // Timer1: shows the splash again after five seconds; harmless while it is visible and
    // gone with the window once the start-up has unloaded it.
    m_ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    m_ui.Timer1->setInterval(5000);
    connect(m_ui.Timer1, &QTimer::timeout, this, &QWidget::show);
    m_ui.Timer1->start();
}

} // namespace Shell
