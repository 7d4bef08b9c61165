#include "core/library/TID3List.h"

namespace vireo {

TID3List::~TID3List() = default;

void TID3List::compact() const
{
    if (m_holes == 0)
        return;
    qsizetype out = 0;
    for (qsizetype i = 0; i < qsizetype(m_entries.size()); ++i) {
        if (!m_entries[i])
            continue;
        if (out != i) {
            m_entries[out] = std::move(m_entries[i]);
            m_slot[m_entries[out]->FileName] = out;
        }
        ++out;
    }
    m_entries.resize(out);
    m_holes = 0;
}

TID3ListItem *TID3List::At(qsizetype index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    compact();
    return m_entries[index].get();
}

QString TID3List::PathAt(qsizetype index) const
{
    const TID3ListItem *t = At(index);
    return t ? t->FileName : QString();
}

TID3ListItem *TID3List::Find(const QString &path) const
{
    const auto it = m_slot.constFind(path);
    return it == m_slot.cend() ? nullptr : m_entries[it.value()].get();
}

qsizetype TID3List::IndexOf(const QString &path) const
{
    if (!m_slot.contains(path))
        return -1;
    compact();
    return m_slot.value(path);
}

TID3ListItem *TID3List::Add(std::unique_ptr<TID3ListItem> track)
{
    TID3ListItem *t = track.get();
    Q_ASSERT(!m_slot.contains(t->FileName));
    m_slot.insert(t->FileName, qsizetype(m_entries.size()));
    m_entries.push_back(std::move(track));
    return t;
}

qsizetype TID3List::Remove(const QString &path)
{
    if (!m_slot.contains(path))
        return -1;
    compact();
    const qsizetype index = m_slot.value(path);
    Drop(path);
    return index;
}

bool TID3List::Drop(const QString &path)
{
    const auto it = m_slot.constFind(path);
    if (it == m_slot.cend())
        return false;
    const qsizetype slot = it.value();
    m_slot.erase(it);
    m_retired.push_back(std::move(m_entries[slot]));
    if (slot == qsizetype(m_entries.size()) - 1)
        m_entries.pop_back();
    else
        ++m_holes;
    return true;
}

void TID3List::Clear()
{
    m_retired.reserve(m_retired.size() + m_entries.size());
    for (auto &e : m_entries)
        if (e)
            m_retired.push_back(std::move(e));
    m_entries.clear();
    m_slot.clear();
    m_holes = 0;
}

void TID3List::ReleaseRetired()
{
    m_retired.clear();
    m_retired.shrink_to_fit();
}

void TID3List::Reserve(qsizetype n)
{
    m_entries.reserve(n);
    m_slot.reserve(n);
}

} // namespace vireo
