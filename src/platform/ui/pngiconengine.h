// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QIconEnginePlugin>
#include <QProxyStyle>

namespace Platform {

/// Icons from PNG files (the styles' own icons among them), read with Qt's built-in PNG
/// reader only. Qt's pixmap engine asks every image-format plugin whether it reads a ".png"
/// file before it tries the built-in reader, which loads all those plugins (and their
/// libraries) at the first icon; this engine keeps the pixmaps in a QIcon of Qt's own engine,
/// so icons look and scale exactly as before. Files are read when the icon is first asked
/// about (painted, sized, tested for null), not when they are added: the styles make icons
/// for buttons that are seldom shown (the menu bar's extension, an MDI window's menu).
class PngIconEngine final : public QIconEngine {
public:
    PngIconEngine() = default;
    PngIconEngine(const PngIconEngine &other);
    PngIconEngine &operator=(const PngIconEngine &) = delete;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void addPixmap(const QPixmap &pixmap, QIcon::Mode mode, QIcon::State state) override;
    /// Adds every image of \a fileName, or with a valid \a size only the image of that size.
    void addFile(const QString &fileName, const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine *clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;

private:
    struct UnreadFile {
        QString name;
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
    };
    void readFiles();
    static bool beginsAsPicture(const UnreadFile &file);

    QIcon m_icon;
    QList<UnreadFile> m_unread;
};

/// Offers PngIconEngine for ".png" files, as a plugin linked into the program.
class PngIconEnginePlugin final : public QIconEnginePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QIconEngineFactoryInterface_iid FILE "pngiconengine.json")
public:
    QIconEngine *create(const QString &fileName = {}) override;
};

/// The application's style, with one icon made as the style makes it but with its PNG file
/// read by the built-in reader only: the MDI windows' menu icon, which starts from a pixmap
/// (so PngIconEngine never sees it) before the style adds a PNG file to it.
class PngOnlyStyle final : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

/// Makes the icons of PNG files (the style's own among them) from now on come from
/// PngIconEngine, and sets PngOnlyStyle over the application's style. Call it once the
/// application exists and before its first window; calling it again does nothing.
void usePngIconEngine();

} // namespace Platform
