#include "engine/PlaceIndex.h"

#include <bit>

void PlaceIndex::reserve(qsizetype count)
{
    if (4 * count > 3 * qsizetype(m_slots.size()))
        rebuild(count);
}

void PlaceIndex::insert(size_t hash, int place)
{
    if (4 * (m_used + 1) > 3 * qsizetype(m_slots.size()))
        rebuild(m_live + 1);
    put(shorten(hash), place);
}

void PlaceIndex::remove(size_t hash, int place)
{
    const quint32 shortHash = shorten(hash);
    for (size_t at = shortHash & mask(); m_slots[at].place != empty; at = (at + 1) & mask()) {
        if (m_slots[at].place == place) {
            m_slots[at].place = removed;
            --m_live;
            return;
        }
    }
}

// At most half full afterwards, so that lookups stay short.
void PlaceIndex::rebuild(qsizetype count)
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(std::bit_ceil(size_t(std::max<qsizetype>(16, 2 * count))), Slot{0, empty});
    m_live = 0;
    m_used = 0;
    for (const Slot &slot : old) {
        if (slot.place >= 0)
            put(slot.hash, slot.place);
    }
}

// The first free or removed slot from the hash's own one.
void PlaceIndex::put(quint32 shortHash, int place)
{
    size_t at = shortHash & mask();
    while (m_slots[at].place >= 0)
        at = (at + 1) & mask();
    m_used += m_slots[at].place == empty;
    m_slots[at] = {shortHash, place};
    ++m_live;
}
