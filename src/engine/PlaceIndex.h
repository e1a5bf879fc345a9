#pragma once

#include <QtGlobal>

#include <vector>

// Finds the place of a name by the hash of its key: an open-addressed table of each key's hash
// and place. It keeps no key of its own: a lookup asks its caller whether a place holds the key
// looked for. A removed place leaves a marker that a later one may take; the table is rebuilt
// without markers when they crowd it.
class PlaceIndex {
public:
    void reserve(qsizetype count);

    // The place whose key has this hash and for which `holdsKey(place)` says yes; -1 for none.
    template<typename HoldsKey>
    int find(size_t hash, HoldsKey holdsKey) const
    {
        if (m_slots.empty())
            return -1;
        const quint32 shortHash = shorten(hash);
        for (size_t at = shortHash & mask();; at = (at + 1) & mask()) {
            const Slot &slot = m_slots[at];
            if (slot.place == empty)
                return -1;
            if (slot.place >= 0 && slot.hash == shortHash && holdsKey(slot.place))
                return slot.place;
        }
    }

    // Adds a place under a key the index does not hold.
    void insert(size_t hash, int place);
    // Removes the place, held under this hash.
    void remove(size_t hash, int place);

private:
    struct Slot {
        quint32 hash;
        qint32 place;
    };
    static constexpr qint32 empty = -1;
    static constexpr qint32 removed = -2;

    static quint32 shorten(size_t hash) { return quint32(hash ^ (quint64(hash) >> 32)); }
    size_t mask() const { return m_slots.size() - 1; }
    void rebuild(qsizetype count);
    void put(quint32 shortHash, int place);

    std::vector<Slot> m_slots;
    qsizetype m_live = 0;
    qsizetype m_used = 0; // live and removed slots
};
