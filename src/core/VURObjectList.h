#pragma once

#include <QList>

#include <algorithm>

// A list of object references that may own its items: an owning list deletes
// an item when it is removed and deletes what is left when it is destroyed.
template<typename T>
class TVURObjectList
{
public:
    explicit TVURObjectList(bool ownsObjects = true) : m_ownsObjects(ownsObjects) {}
    ~TVURObjectList() { Clear(); }

    TVURObjectList(const TVURObjectList &) = delete;
    TVURObjectList &operator=(const TVURObjectList &) = delete;

    bool OwnsObjects() const { return m_ownsObjects; }
    qsizetype Count() const { return m_items.size(); }
    T *Item(qsizetype index) const { return m_items.at(index); }
    qsizetype IndexOf(const T *item) const { return m_items.indexOf(const_cast<T *>(item)); }
    const QList<T *> &Items() const { return m_items; }

    void Add(T *item) { m_items.append(item); }
    void Insert(qsizetype index, T *item) { m_items.insert(index, item); }

    // Takes the item out without deleting it.
    T *Extract(qsizetype index) { return m_items.takeAt(index); }

    void Delete(qsizetype index)
    {
        T *item = m_items.takeAt(index);
        if (m_ownsObjects && !m_items.contains(item))
            delete item;
    }

    // Removes every occurrence, then deletes the item once if the list owns it.
    void RemoveAndFree(T *item)
    {
        m_items.removeAll(item);
        if (m_ownsObjects)
            delete item;
    }

    void Clear()
    {
        QList<T *> items;
        items.swap(m_items);
        if (!m_ownsObjects)
            return;
        std::sort(items.begin(), items.end());
        items.erase(std::unique(items.begin(), items.end()), items.end());
        qDeleteAll(items);
    }

private:
    QList<T *> m_items;
    bool m_ownsObjects;
};
