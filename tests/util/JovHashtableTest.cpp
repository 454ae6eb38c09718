// The key-value table: insertion order, replacement in place, the parked value of remove, and
// counted keys and values.
#include "DestructionProbe.h"
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "util/JovHashtable.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class JovHashtableTest : public LiveObjectTest {};

TEST_F(JovHashtableTest, GetFindsTheValueByEqualKeyAndContainsLooksAtTheValues) {
    JovHashtable table;
    table.put("name", "Gulasch");
    table.put(new JovString("id"), new JovInteger(4711));
    const JovInteger amount(250);
    table.put(new JovString("amount"), amount);
    EXPECT_STREQ(table.get("id")->toString().chars(), "4711");
    EXPECT_NE(table.get("amount"), &amount) << "an object value is stored as its clone";
    EXPECT_TRUE(amount.equals(table.get("amount")));
    EXPECT_FALSE(table.containsKey("fehlt"));
    EXPECT_EQ(table.get(static_cast<const JovObject*>(nullptr)), nullptr);
    const JovString value("Gulasch");
    const JovString key("name");
    EXPECT_TRUE(table.contains(&value));
    EXPECT_FALSE(table.contains(&key));
    EXPECT_FALSE(table.contains(nullptr));
}

// A text key matches a key object's text; other keys match by their own equals, whichever side
// holds the text.
TEST_F(JovHashtableTest, KeysMatchByTextOrByTheStoredKeysEquals) {
    JovHashtable table;
    table.put(new JovInteger(7), new JovString("Zahl"));
    table.put(new JovString("8"), new JovString("Text"));
    const JovInteger seven(7);
    const JovInteger eight(8);
    EXPECT_STREQ(table.get(&seven)->toString().chars(), "Zahl");
    EXPECT_EQ(table.get("7"), nullptr);
    EXPECT_STREQ(table.get(&eight)->toString().chars(), "Text");
    EXPECT_STREQ(table.get("8")->toString().chars(), "Text");
}

TEST_F(JovHashtableTest, EntriesKeepInsertionOrderThroughGrowthReplaceAndRemove) {
    JovHashtable table;
    // More keys than a new table has room for.
    constexpr int keyCount = 30;
    for (int i = 0; i < keyCount; ++i) {
        table.put(("k" + std::to_string(i)).c_str(), "1");
    }
    EXPECT_EQ(table.put("k1", "2"), nullptr);
    table.remove("k2");
    EXPECT_EQ(table.size(), keyCount - 1);
    const JovVector keys = table.keys();
    EXPECT_STREQ(keys.elementAt(1)->toString().chars(), "k1");
    EXPECT_STREQ(keys.elementAt(2)->toString().chars(), "k3");
    EXPECT_STREQ(keys.elementAt(keyCount - 2)->toString().chars(), "k29");
    EXPECT_STREQ(table.elements().elementAt(1)->toString().chars(), "2");
    EXPECT_TRUE(table.toString().startsWith("ool.util.JovHashtable[k0=1,k1=2,k3=1,"));
}

// Made before any test, as the item classes make theirs.
const bool keyShared = JovHashtable::shareKeys({"geteilt"});

TEST_F(JovHashtableTest, SharedKeyTextsAreOneKeyObjectForAllTables) {
    JovHashtable first;
    JovHashtable second;
    for (JovHashtable* table : {&first, &second}) {
        table->put("geteilt", "1");
        table->put("eigen", "1");
    }
    EXPECT_EQ(first.keys().elementAt(0), second.keys().elementAt(0));
    EXPECT_NE(first.keys().elementAt(1), second.keys().elementAt(1));
    second.remove("geteilt");
    EXPECT_STREQ(first.keys().elementAt(0)->toString().chars(), "geteilt");
    EXPECT_STREQ(first.get("geteilt")->toString().chars(), "1");
}

TEST_F(JovHashtableTest, PutReleasesTheReplacedValueAndSurplusKeyAndClearTheRest) {
    bool storedKeyGone = false;
    bool surplusKeyGone = false;
    bool oldValueGone = false;
    bool newValueGone = false;
    auto* newValue = new DestructionProbe(&newValueGone);
    JovHashtable table;
    table.put(new DestructionProbeOf<JovString>(&storedKeyGone, "k"),
              new DestructionProbe(&oldValueGone));
    table.put(new DestructionProbeOf<JovString>(&surplusKeyGone, "k"), newValue);
    table.put("k", newValue);
    EXPECT_TRUE(oldValueGone);
    EXPECT_TRUE(surplusKeyGone);
    EXPECT_FALSE(storedKeyGone);
    EXPECT_FALSE(newValueGone) << "putting the stored value again keeps it";
    table.clear();
    EXPECT_TRUE(storedKeyGone);
    EXPECT_TRUE(newValueGone);
    EXPECT_TRUE(table.isEmpty());
}

TEST_F(JovHashtableTest, NullKeyStoresNothingAndNullValueIsNotFound) {
    JovHashtable table;
    const std::unique_ptr<JovInteger> value(new JovInteger(1));
    EXPECT_EQ(table.put(static_cast<JovObject*>(nullptr), value.get()), nullptr);
    EXPECT_EQ(table.put(static_cast<JovObject*>(nullptr), JovString("x")), nullptr);
    EXPECT_TRUE(table.isEmpty());
    table.put("leer", static_cast<JovObject*>(nullptr));
    EXPECT_FALSE(table.containsKey("leer"));
    EXPECT_STREQ(table.toString().chars(), "ool.util.JovHashtable[leer=null]");
}

TEST_F(JovHashtableTest, RemovedValueStaysValidUntilTheNextRemoveOrTheEnd) {
    bool firstGone = false;
    bool secondGone = false;
    {
        JovHashtable table;
        table.put("eins", new DestructionProbe(&firstGone));
        table.put("zwei", new DestructionProbe(&secondGone));
        EXPECT_STREQ(table.remove("eins")->toString().chars(), "probe");
        EXPECT_FALSE(table.containsKey("eins"));
        EXPECT_EQ(table.remove("fehlt"), nullptr);
        EXPECT_FALSE(firstGone) << "a remove that finds nothing keeps the parked value";
        table.remove("zwei");
        EXPECT_TRUE(firstGone);
        EXPECT_FALSE(secondGone);
    }
    EXPECT_TRUE(secondGone);
}
