#include "VURObjectList.h"

#include <QTest>

#include <memory>

namespace {

struct Counted
{
    explicit Counted(int *alive) : m_alive(alive) { ++*m_alive; }
    ~Counted() { --*m_alive; }
    int *m_alive;
};

} // namespace

class tst_VURObjectList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void owningListFreesItems();
    void removeAndFree();
    void notOwningListFreesNothing();
};

void tst_VURObjectList::owningListFreesItems()
{
    int alive = 0;
    {
        TVURObjectList<Counted> list;
        list.Add(new Counted(&alive));
        list.Add(new Counted(&alive));
        Counted *kept = list.Extract(0);
        QCOMPARE(list.Count(), 1);
        list.Delete(0);
        QCOMPARE(alive, 1);
        list.Add(kept);
    }
    QCOMPARE(alive, 0);
}

void tst_VURObjectList::removeAndFree()
{
    int alive = 0;
    TVURObjectList<Counted> list;
    auto *twice = new Counted(&alive);
    auto *other = new Counted(&alive);
    list.Add(twice);
    list.Add(other);
    list.Add(twice);
    list.RemoveAndFree(twice);
    QCOMPARE(list.Count(), 1);
    QCOMPARE(list.Item(0), other);
    QCOMPARE(alive, 1);
    // An item listed twice is freed once when the list goes.
    list.Add(other);
    list.Clear();
    QCOMPARE(alive, 0);
}

void tst_VURObjectList::notOwningListFreesNothing()
{
    int alive = 0;
    const auto item = std::make_unique<Counted>(&alive);
    {
        TVURObjectList<Counted> list(false);
        list.Add(item.get());
        list.Add(item.get());
        list.RemoveAndFree(item.get());
        QCOMPARE(list.Count(), 0);
        list.Add(item.get());
    }
    QCOMPARE(alive, 1);
}

QTEST_APPLESS_MAIN(tst_VURObjectList)
#include "tst_VURObjectList.moc"
