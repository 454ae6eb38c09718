// Insertion-ordered association list: small tables of properties need no hashing, and the
// order of keys is the order settings are written back in.

#include "util/JovHashtable.h"

#include "lang/JovStringBuffer.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

// An item's table holds about twenty properties; it grows only when more are put.
constexpr int initialCapacity = 24;

JovString textOf(const JovObject* object) {
    return object != nullptr ? object->toString() : JovString("null");
}

// Filled during static initialisation, only read afterwards: no lock needed.
std::unordered_map<std::string_view, JovReference<JovString>>& sharedKeys() {
    static std::unordered_map<std::string_view, JovReference<JovString>> keys;
    return keys;
}

JovObject* newKey(const char* text) {
    const auto shared = sharedKeys().find(text);
    return shared != sharedKeys().end() ? shared->second.get() : new JovString(text);
}

} // namespace

JovHashtable::HashtableValue::HashtableValue()
    : entries(new Entry[initialCapacity]), count(0), capacity(initialCapacity) {
}

JovHashtable::HashtableValue::~HashtableValue() {
    clear();
    lastRemoved.reset();
    delete[] entries;
}

JovString JovHashtable::HashtableValue::toString() const {
    return "ool.util.JovHashtable.HashtableValue";
}

int JovHashtable::HashtableValue::indexOfKey(const JovObject* key) const {
    if (key == nullptr) {
        return -1;
    }
    // Item keys are shared between copies and text keys compare as bytes: neither needs the
    // general equals.
    const JovString* text = key->asString();
    for (int i = 0; i < count; ++i) {
        const JovObject* stored = entries[i].key.get();
        if (stored == key) {
            return i;
        }
        const JovString* storedText = text != nullptr ? entries[i].keyText : nullptr;
        if (storedText != nullptr ? *storedText == *text : stored->equals(key)) {
            return i;
        }
    }
    return -1;
}

int JovHashtable::HashtableValue::indexOfText(const char* text) const {
    const std::size_t length = std::strlen(text);
    for (int i = 0; i < count; ++i) {
        const JovString* stored = entries[i].keyText;
        if (stored == nullptr) {
            // A key of another kind decides by its own equals, which needs the text as an object.
            const JovString key(text);
            return indexOfKey(&key);
        }
        if (static_cast<std::size_t>(stored->length()) == length &&
            std::memcmp(stored->chars(), text, length) == 0) {
            return i;
        }
    }
    return -1;
}

void JovHashtable::HashtableValue::replaceAt(int index, JovObject* value) {
    entries[index].value.reset(value);
}

void JovHashtable::HashtableValue::appendAll(const HashtableValue& other) {
    for (int i = 0; i < other.count; ++i) {
        append(other.entries[i].key, other.entries[i].value.get());
    }
}

// The key is held before the search, so a fresh key that matches an existing one is deleted
// when this call lets it go.
void JovHashtable::HashtableValue::put(JovObject* key, JovObject* value) {
    JovReference<JovObject> heldKey(key);
    const int index = indexOfKey(key);
    if (index < 0) {
        append(std::move(heldKey), value);
        return;
    }
    heldKey.reset();
    entries[index].value.reset(value);
}

void JovHashtable::HashtableValue::append(JovReference<JovObject> key, JovObject* value) {
    if (count + 1 > capacity) {
        auto* larger = new Entry[2 * capacity];
        std::move(entries, entries + count, larger);
        delete[] entries;
        entries = larger;
        capacity *= 2;
    }
    Entry& entry = entries[count];
    entry.keyText = key ? key->asString() : nullptr;
    entry.key = std::move(key);
    entry.value.reset(value);
    ++count;
}

JovObject* JovHashtable::HashtableValue::removeAt(int index) {
    JovReference<JovObject> previouslyParked;
    const JovReference<JovObject> key = std::move(entries[index].key);
    JovReference<JovObject> removed = std::move(entries[index].value);
    --count;
    std::move(entries + index + 1, entries + count + 1, entries + index);
    entries[count] = Entry();
    previouslyParked = std::move(lastRemoved);
    lastRemoved = std::move(removed);
    return lastRemoved.get();
}

void JovHashtable::HashtableValue::clear() {
    while (count > 0) {
        --count;
        entries[count] = Entry();
    }
}

JovHashtable::JovHashtable() : value(new HashtableValue) {
}

void JovHashtable::clear() {
    value->clear();
}

bool JovHashtable::contains(const JovObject* candidate) const {
    if (candidate == nullptr) {
        return false;
    }
    for (int i = 0; i < value->size(); ++i) {
        const JovObject* stored = value->valueAt(i);
        if (stored != nullptr && stored->equals(candidate)) {
            return true;
        }
    }
    return false;
}

bool JovHashtable::containsKey(const JovObject* key) const {
    return get(key) != nullptr;
}

bool JovHashtable::containsKey(const JovString& key) const {
    return get(key) != nullptr;
}

JovVector JovHashtable::elements() const {
    JovVector list;
    for (int i = 0; i < value->size(); ++i) {
        list.addElement(value->valueAt(i));
    }
    return list;
}

JovObject* JovHashtable::get(const JovObject* key) const {
    const int index = value->indexOfKey(key);
    return index >= 0 ? value->valueAt(index) : nullptr;
}

JovObject* JovHashtable::get(const JovString& key) const {
    return get(&key);
}

JovObject* JovHashtable::get(const char* key) const {
    if (key == nullptr) {
        return get(JovString(key));
    }
    const int index = value->indexOfText(key);
    return index >= 0 ? value->valueAt(index) : nullptr;
}

bool JovHashtable::isEmpty() const {
    return value->size() == 0;
}

JovVector JovHashtable::keys() const {
    JovVector list;
    for (int i = 0; i < value->size(); ++i) {
        list.addElement(value->keyAt(i));
    }
    return list;
}

// A null key stores nothing, so no copy is made for it.
JovObject* JovHashtable::put(JovObject* key, const JovObject& stored) {
    if (key == nullptr) {
        return nullptr;
    }
    return put(key, stored.clone());
}

JovObject* JovHashtable::put(JovObject* key, JovObject* stored) {
    if (key != nullptr) {
        value->put(key, stored);
    }
    return nullptr;
}

JovObject* JovHashtable::put(JovObject* key, const JovString& stored) {
    if (key == nullptr) {
        return nullptr;
    }
    return put(key, new JovString(stored));
}

JovObject* JovHashtable::put(const JovString& key, const JovString& stored) {
    return put(new JovString(key), new JovString(stored));
}

JovObject* JovHashtable::put(const JovString& key, JovObject* stored) {
    return put(new JovString(key), stored);
}

JovObject* JovHashtable::put(const char* key, JovObject* stored) {
    if (key == nullptr) {
        return put(JovString(key), stored);
    }
    const int index = value->indexOfText(key);
    if (index < 0) {
        return put(newKey(key), stored);
    }
    value->replaceAt(index, stored);
    return nullptr;
}

JovObject* JovHashtable::put(const char* key, const JovString& stored) {
    return put(key, new JovString(stored));
}

bool JovHashtable::shareKeys(std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        if (sharedKeys().count(text) > 0) {
            continue;
        }
        // Looked up by the key's own characters, which live as long as the key.
        JovReference<JovString> key(new JovString(text));
        const std::string_view keyText(key->chars(), key->length());
        sharedKeys().emplace(keyText, std::move(key));
    }
    return true;
}

JovObject* JovHashtable::remove(const JovObject* key) {
    const int index = value->indexOfKey(key);
    return index >= 0 ? value->removeAt(index) : nullptr;
}

JovObject* JovHashtable::remove(const JovString& key) {
    return remove(&key);
}

int JovHashtable::size() const {
    return value->size();
}

JovString JovHashtable::entryListing() const {
    JovStringBuffer text;
    for (int i = 0; i < value->size(); ++i) {
        if (i > 0) {
            text.append(",");
        }
        text.append(textOf(value->keyAt(i))).append("=").append(textOf(value->valueAt(i)));
    }
    return text.toString();
}

JovObject* JovHashtable::clone() const {
    return new JovHashtable(*this);
}

void JovHashtable::copyEntriesFrom(const JovHashtable& other) {
    if (other.value.get() == value.get()) {
        return;
    }
    value->clear();
    value->appendAll(*other.value);
}

JovString JovHashtable::toString() const {
    return "ool.util.JovHashtable[" + entryListing() + "]";
}
