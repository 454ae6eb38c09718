// The key-value table: insertion order, replacement in place, the parked value of remove,
// counted keys and values, and shared values between handles.
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "lang/JovString.h"
#include "util/JovHashtable.h"

#include <gtest/gtest.h>

namespace {

// Records its own destruction so tests can see when the table let go.
class Probe : public JovObject {
public:
    explicit Probe(bool* destroyed) : destroyed(destroyed) {}
    ~Probe() override { *destroyed = true; }
    JovString toString() const override { return "probe"; }

private:
    bool* destroyed;
};

// A text key that records its own destruction.
class TrackedKey : public JovString {
public:
    TrackedKey(const char* text, bool* destroyed) : JovString(text), destroyed(destroyed) {}
    ~TrackedKey() override { *destroyed = true; }

private:
    bool* destroyed;
};

JovString textOf(const JovObject* object) {
    return object->toString();
}

} // namespace

class JovHashtableTest : public LiveObjectTest {};

TEST_F(JovHashtableTest, StartsEmpty) {
    const JovHashtable table;
    EXPECT_EQ(table.size(), 0);
    EXPECT_TRUE(table.isEmpty());
    EXPECT_EQ(table.get("x"), nullptr);
    EXPECT_STREQ(table.toString().chars(), "ool.util.JovHashtable[]");
}

TEST_F(JovHashtableTest, GetFindsTheValueByEqualKey) {
    JovHashtable table;
    table.put("name", "Gulasch");
    table.put(new JovString("id"), new JovInteger(4711));
    EXPECT_STREQ(textOf(table.get("name")).chars(), "Gulasch");
    const JovString idKey("id");
    EXPECT_EQ(static_cast<JovInteger*>(table.get(&idKey))->intValue(), 4711);
    EXPECT_TRUE(table.containsKey("id"));
    EXPECT_FALSE(table.containsKey("fehlt"));
    EXPECT_EQ(table.get(static_cast<const JovObject*>(nullptr)), nullptr);
}

TEST_F(JovHashtableTest, KeysAndElementsFollowInsertionOrder) {
    JovHashtable table;
    for (const char* key :
         {"zeta", "alpha", "mitte", "beta", "omega", "a1", "a2", "a3", "a4", "a5", "a6", "a7"}) {
        table.put(key, key);
    }
    const JovVector keys = table.keys();
    const JovVector values = table.elements();
    ASSERT_EQ(keys.size(), 12);
    EXPECT_STREQ(textOf(keys.elementAt(0)).chars(), "zeta");
    EXPECT_STREQ(textOf(keys.elementAt(1)).chars(), "alpha");
    EXPECT_STREQ(textOf(keys.elementAt(11)).chars(), "a7");
    EXPECT_STREQ(textOf(values.elementAt(3)).chars(), "beta");
}

TEST_F(JovHashtableTest, PutOnAnExistingKeyKeepsThePosition) {
    JovHashtable table;
    table.put("first", "1");
    table.put("second", "2");
    table.put("third", "3");
    table.put("second", "zwei");
    EXPECT_EQ(table.size(), 3);
    const JovVector keys = table.keys();
    EXPECT_STREQ(textOf(keys.elementAt(1)).chars(), "second");
    EXPECT_STREQ(textOf(table.get("second")).chars(), "zwei");
}

TEST_F(JovHashtableTest, ReplacedValueAndSurplusKeyAreReleased) {
    bool storedKeyGone = false;
    bool surplusKeyGone = false;
    bool oldValueGone = false;
    JovHashtable table;
    table.put(new TrackedKey("k", &storedKeyGone), new Probe(&oldValueGone));
    table.put(new TrackedKey("k", &surplusKeyGone), new JovInteger(2));
    EXPECT_TRUE(oldValueGone);
    EXPECT_TRUE(surplusKeyGone);
    EXPECT_FALSE(storedKeyGone);
    EXPECT_EQ(table.size(), 1);
    EXPECT_EQ(static_cast<JovInteger*>(table.get("k"))->intValue(), 2);
}

TEST_F(JovHashtableTest, PutStoresACloneOfAnObjectValue) {
    JovHashtable table;
    const JovInteger amount(250);
    table.put(new JovString("amount"), amount);
    JovObject* stored = table.get("amount");
    EXPECT_NE(stored, &amount);
    EXPECT_TRUE(amount.equals(stored));
}

TEST_F(JovHashtableTest, PutAlwaysAnswersNull) {
    JovHashtable table;
    EXPECT_EQ(table.put("a", "1"), nullptr);
    EXPECT_EQ(table.put("a", "2"), nullptr);
}

TEST_F(JovHashtableTest, NullKeyStoresNothing) {
    JovHashtable table;
    auto* value = new JovInteger(1);
    EXPECT_EQ(table.put(static_cast<JovObject*>(nullptr), value), nullptr);
    EXPECT_EQ(table.put(static_cast<JovObject*>(nullptr), JovString("x")), nullptr);
    EXPECT_EQ(table.put(static_cast<JovObject*>(nullptr), JovInteger(2)), nullptr);
    EXPECT_TRUE(table.isEmpty());
    delete value;
}

TEST_F(JovHashtableTest, RemovedValueStaysValidUntilTheNextRemove) {
    bool firstGone = false;
    bool secondGone = false;
    JovHashtable table;
    table.put("eins", new Probe(&firstGone));
    table.put("zwei", new Probe(&secondGone));
    JovObject* removed = table.remove("eins");
    EXPECT_FALSE(firstGone);
    EXPECT_STREQ(removed->toString().chars(), "probe");
    EXPECT_FALSE(table.containsKey("eins"));
    table.remove("zwei");
    EXPECT_TRUE(firstGone);
    EXPECT_FALSE(secondGone);
    EXPECT_EQ(table.remove("fehlt"), nullptr);
    EXPECT_FALSE(secondGone);
}

TEST_F(JovHashtableTest, DestructionReleasesTheParkedValue) {
    bool gone = false;
    {
        JovHashtable table;
        table.put("k", new Probe(&gone));
        table.remove("k");
    }
    EXPECT_TRUE(gone);
}

TEST_F(JovHashtableTest, RemoveKeepsTheOrderOfTheOthers) {
    JovHashtable table;
    table.put("a", "1");
    table.put("b", "2");
    table.put("c", "3");
    table.remove("b");
    EXPECT_STREQ(table.toString().chars(), "ool.util.JovHashtable[a=1,c=3]");
}

TEST_F(JovHashtableTest, ContainsLooksAtTheValues) {
    JovHashtable table;
    table.put("key", "Wert");
    const JovString value("Wert");
    const JovString key("key");
    EXPECT_TRUE(table.contains(&value));
    EXPECT_FALSE(table.contains(&key));
    EXPECT_FALSE(table.contains(nullptr));
}

TEST_F(JovHashtableTest, ClearReleasesEverything) {
    bool gone = false;
    JovHashtable table;
    table.put("k", new Probe(&gone));
    table.clear();
    EXPECT_TRUE(gone);
    EXPECT_TRUE(table.isEmpty());
}

TEST_F(JovHashtableTest, CopiesAndClonesShareTheEntries) {
    JovHashtable table;
    const JovHashtable copy(table);
    JovHashtable assigned;
    assigned = table;
    JovObject* clone = table.clone();
    table.put("gemeinsam", "ja");
    EXPECT_EQ(copy.size(), 1);
    EXPECT_EQ(assigned.size(), 1);
    EXPECT_EQ(static_cast<JovHashtable*>(clone)->size(), 1);
    delete clone;
}

TEST_F(JovHashtableTest, PuttingTheStoredValueAgainKeepsIt) {
    bool gone = false;
    auto* probe = new Probe(&gone);
    JovHashtable table;
    table.put("k", probe);
    table.put("k", probe);
    EXPECT_FALSE(gone);
    EXPECT_EQ(table.get("k"), probe);
}

TEST_F(JovHashtableTest, NullValueIsStoredButNotFound) {
    JovHashtable table;
    table.put("leer", static_cast<JovObject*>(nullptr));
    EXPECT_EQ(table.size(), 1);
    EXPECT_FALSE(table.containsKey("leer"));
    EXPECT_STREQ(table.toString().chars(), "ool.util.JovHashtable[leer=null]");
}

TEST_F(JovHashtableTest, ValueTextNamesItsClass) {
    const JovHashtable::HashtableValue value;
    EXPECT_STREQ(value.toString().chars(), "ool.util.JovHashtable.HashtableValue");
}
