#include "toolkit/TCounterList.h"

std::shared_ptr<TCounterWithValue> TCounterList::AddNew(int ms) {
    return AddNewWithValue(ms, 0);
}

std::shared_ptr<TCounterWithValue> TCounterList::AddNewWithValue(int ms, int value) {
    auto c = std::make_shared<TCounterWithValue>();
    c->CreateWithValue(ms, 1, value);
    Counters.push_back(c);
    return c;
}

int TCounterList::Manage(int removeExpired) {
    int expired = 0;
    for (auto it = Counters.begin(); it != Counters.end();) {
        if ((*it)->Manage()) {
            expired++;
            if (removeExpired) {
                it = Counters.erase(it);
                continue;
            }
        }
        ++it;
    }
    return expired;
}
