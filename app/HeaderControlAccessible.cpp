// SPDX-FileCopyrightText: 2026 Test znalostí contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/HeaderControlAccessible.h"

#include "app/HeaderControl.h"

#include <QPointer>

namespace {

// One section: a label whose name is the section's text. It has no object of its own, so
// Qt's cache knows it only by the id its status line registered.
class HeaderSectionAccessible : public QAccessibleInterface
{
public:
    HeaderSectionAccessible(THeaderControl *header, int index)
        : m_header(header)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_header && m_index < m_header->sectionCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_header); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return QString();
        return m_header->sectionText(m_index);
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        auto *line = dynamic_cast<THeaderControlAccessible *>(parent());
        return line ? line->sectionRect(m_index) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid() || !m_header->isVisible())
            state.invisible = true;
        state.readOnly = true;
        return state;
    }

private:
    QPointer<THeaderControl> m_header;
    int m_index;
};

QAccessibleInterface *headerControlFactory(const QString &, QObject *object)
{
    if (auto *header = qobject_cast<THeaderControl *>(object))
        return new THeaderControlAccessible(header);
    return nullptr;
}

}

THeaderControlAccessible::THeaderControlAccessible(THeaderControl *header)
    : QAccessibleWidget(header, QAccessible::StatusBar)
{
}

THeaderControlAccessible::~THeaderControlAccessible()
{
    for (QAccessible::Id id : std::as_const(m_sectionIds))
        QAccessible::deleteAccessibleInterface(id);
}

THeaderControl *THeaderControlAccessible::header() const
{
    return static_cast<THeaderControl *>(widget());
}

int THeaderControlAccessible::childCount() const
{
    return header()->sectionCount();
}

// Created once per section and kept, so the screen reader sees the same item every time.
QAccessibleInterface *THeaderControlAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_sectionIds.size() <= index) {
        auto *section = new HeaderSectionAccessible(header(), int(m_sectionIds.size()));
        m_sectionIds.append(QAccessible::registerAccessibleInterface(section));
    }
    return QAccessible::accessibleInterface(m_sectionIds[index]);
}

int THeaderControlAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < childCount(); ++i)
        if (this->child(i) == child)
            return i;
    return -1;
}

QAccessibleInterface *THeaderControlAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < childCount(); ++i)
        if (sectionRect(i).contains(x, y))
            return child(i);
    return nullptr;
}

QRect THeaderControlAccessible::sectionRect(int index) const
{
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += header()->sectionWidth(i);
    const QRect local(left, 0, header()->sectionWidth(index), header()->height());
    return QRect(header()->mapToGlobal(local.topLeft()), local.size());
}

void installHeaderControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&headerControlFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void notifySectionTextChanged(THeaderControl *header, int index)
{
    if (!QAccessible::isActive())
        return;
    auto *line = dynamic_cast<THeaderControlAccessible *>(QAccessible::queryAccessibleInterface(header));
    if (QAccessibleInterface *section = line ? line->child(index) : nullptr) {
        QAccessibleEvent event(section, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}
