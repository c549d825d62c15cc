#pragma once
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

// A list of shared objects that may lose or gain members while it is being walked: a member
// that dies during ForEach is removed at once and the walk goes on with the next one; one
// added at the end is visited in the same walk. Walking allocates nothing.
template <class T>
class TObjectList {
public:
    std::vector<std::shared_ptr<T>> Items;

    void Add(std::shared_ptr<T> item, bool first = false) {
        if (!first) {
            Items.push_back(std::move(item));
            return;
        }
        Items.insert(Items.begin(), std::move(item));
        for (int i = 0; i < depth; ++i) ++*cursors[i];
    }
    // Returns true when item was a member.
    bool Remove(const T* item) {
        auto it = std::find_if(Items.begin(), Items.end(),
                               [item](const std::shared_ptr<T>& p) { return p.get() == item; });
        if (it == Items.end()) return false;
        int index = static_cast<int>(it - Items.begin());
        Items.erase(it);
        for (int i = 0; i < depth; ++i)
            if (index <= *cursors[i]) --*cursors[i];
        return true;
    }
    bool Contains(const T* item) const {
        return std::any_of(Items.begin(), Items.end(),
                           [item](const std::shared_ptr<T>& p) { return p.get() == item; });
    }
    template <class F>
    void ForEach(F&& f) {
        int index = 0;
        bool tracked = depth < static_cast<int>(cursors.size());
        if (tracked) cursors[depth++] = &index;
        for (; index < static_cast<int>(Items.size()); ++index) {
            // Held here so a member that removes itself lives to the end of its call.
            std::shared_ptr<T> keep = Items[index];
            f(*keep);
        }
        if (tracked) --depth;
    }
    int Count() const { return static_cast<int>(Items.size()); }
    bool Empty() const { return Items.empty(); }
    void Clear() { Items.clear(); }

private:
    std::array<int*, 8> cursors{};
    int depth = 0;
};
