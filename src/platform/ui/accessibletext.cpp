// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Veskora developers
#include "platform/ui/accessibletext.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace Platform {
namespace {

const char *const kHiddenProperty = "veskoraAccessibleHidden";

/// A text box as assistive technology sees it, with the hidden characters left out and
/// every offset translated between the box's text and the text read out.
class TextWithoutCharacters final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TextWithoutCharacters(QWidget *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        const bool readOnly = plain() ? plain()->isReadOnly() : line() && line()->isReadOnly();
        state.editable = !readOnly;
        state.readOnly = readOnly;
        state.multiLine = plain() != nullptr;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? shown() : QAccessibleWidget::text(kind);
    }

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || selectionCount() == 0)
            return;
        if (plain()) {
            const QTextCursor cursor = plain()->textCursor();
            *startOffset = toShown(cursor.selectionStart());
            *endOffset = toShown(cursor.selectionEnd());
        } else if (line()) {
            *startOffset = toShown(line()->selectionStart());
            *endOffset = toShown(line()->selectionEnd());
        }
    }
    int selectionCount() const override
    {
        const bool selected = plain() ? plain()->textCursor().hasSelection() : line() && line()->hasSelectedText();
        return selected ? 1 : 0;
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex != 0)
            return;
        if (plain()) {
            QTextCursor cursor = plain()->textCursor();
            cursor.clearSelection();
            plain()->setTextCursor(cursor);
        } else if (line()) {
            line()->deselect();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        if (plain()) {
            QTextCursor cursor = plain()->textCursor();
            cursor.setPosition(toFull(startOffset));
            cursor.setPosition(toFull(endOffset), QTextCursor::KeepAnchor);
            plain()->setTextCursor(cursor);
        } else if (line()) {
            line()->setSelection(toFull(startOffset), toFull(endOffset) - toFull(startOffset));
        }
    }

    int cursorPosition() const override
    {
        if (plain())
            return toShown(plain()->textCursor().position());
        return line() ? toShown(line()->cursorPosition()) : 0;
    }
    void setCursorPosition(int position) override
    {
        if (plain()) {
            QTextCursor cursor = plain()->textCursor();
            cursor.setPosition(toFull(position));
            plain()->setTextCursor(cursor);
        } else if (line()) {
            line()->setCursorPosition(toFull(position));
        }
    }

    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }

    QRect characterRect(int offset) const override
    {
        // A line edit keeps its character positions to itself; only the plain text box tells.
        if (!plain())
            return {};
        QTextCursor cursor(plain()->document());
        cursor.setPosition(toFull(offset));
        QRect rect = plain()->cursorRect(cursor);
        const QString all = full();
        const int at = toFull(offset);
        rect.setWidth(at < all.size() ? plain()->fontMetrics().horizontalAdvance(all.at(at)) : 1);
        return QRect(plain()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        if (plain())
            return toShown(plain()->cursorForPosition(plain()->viewport()->mapFromGlobal(point)).position());
        return line() ? toShown(line()->cursorPositionAt(line()->mapFromGlobal(point))) : -1;
    }
    // The boxes show their whole text; there is nothing to scroll to.
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QPlainTextEdit *plain() const { return qobject_cast<QPlainTextEdit *>(widget()); }
    QLineEdit *line() const { return qobject_cast<QLineEdit *>(widget()); }
    QString hidden() const { return widget()->property(kHiddenProperty).toString(); }
    QString full() const
    {
        if (plain())
            return plain()->toPlainText();
        return line() ? line()->text() : QString();
    }
    QString shown() const
    {
        QString text = full();
        const QString leaveOut = hidden();
        text.removeIf([&leaveOut](QChar c) { return leaveOut.contains(c); });
        return text;
    }
    /// The offset in the text read out of \a offset in the box's text.
    int toShown(int offset) const
    {
        const QString all = full();
        const QString leaveOut = hidden();
        int shownOffset = 0;
        for (int i = 0; i < offset && i < all.size(); ++i)
            shownOffset += leaveOut.contains(all.at(i)) ? 0 : 1;
        return shownOffset;
    }
    /// The offset in the box's text of \a offset in the text read out: before the next
    /// character read, after any hidden ones that belong to the character before it.
    int toFull(int offset) const
    {
        const QString all = full();
        const QString leaveOut = hidden();
        int seen = 0;
        int i = 0;
        while (i < all.size() && seen < offset) {
            if (!leaveOut.contains(all.at(i)))
                ++seen;
            ++i;
        }
        while (i < all.size() && leaveOut.contains(all.at(i)))
            ++i;
        return i;
    }
};

QAccessibleInterface *textWithoutCharactersFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !widget->property(kHiddenProperty).isValid())
        return nullptr;
    if (!qobject_cast<QPlainTextEdit *>(widget) && !qobject_cast<QLineEdit *>(widget))
        return nullptr;
    return new TextWithoutCharacters(widget);
}

} // namespace

void readWithoutCharacters(QWidget *box, const QString &hidden)
{
    // Factories installed later are asked first, so this one comes before the widgets' own.
    static const bool installed = [] {
        QAccessible::installFactory(&textWithoutCharactersFactory);
        return true;
    }();
    Q_UNUSED(installed);
    box->setProperty(kHiddenProperty, hidden);
    // Qt describes a widget as soon as anything about it changes (its accessible name, for
    // one) and keeps that description; one made before this call is dropped so that the
    // next question gets the description without the characters.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(box);
    if (made && !dynamic_cast<TextWithoutCharacters *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

} // namespace Platform
