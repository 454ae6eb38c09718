// The object list: counted element references, shared values, the index rules and the error
// lines written for bad indexes.
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "lang/JovString.h"
#include "util/JovVector.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Records its own destruction so tests can see when the vector let go.
class Probe : public JovObject {
public:
    explicit Probe(bool* destroyed) : destroyed(destroyed) {}
    ~Probe() override { *destroyed = true; }
    JovString toString() const override { return "probe"; }

private:
    bool* destroyed;
};

JovString textAt(const JovVector& vector, int index) {
    return vector.elementAt(index)->toString();
}

} // namespace

class JovVectorTest : public LiveObjectTest {
protected:
    // A vector holding the texts "a", "b", "c".
    static JovVector threeLetters() {
        JovVector letters;
        letters.addElement(JovString("a"));
        letters.addElement(JovString("b"));
        letters.addElement(JovString("c"));
        return letters;
    }

    // Runs an operation and answers what it wrote to standard error.
    template <typename Operation> static std::string errorsOf(Operation operation) {
        testing::internal::CaptureStderr();
        operation();
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(JovVectorTest, StartsEmpty) {
    const JovVector vector;
    EXPECT_EQ(vector.size(), 0);
    EXPECT_TRUE(vector.isEmpty());
    EXPECT_STREQ(vector.toString().chars(), "ool.util.JovVector[]");
}

TEST_F(JovVectorTest, KeepsElementsInOrderAcrossGrowth) {
    JovVector vector;
    for (int i = 0; i < 25; ++i) {
        EXPECT_TRUE(vector.add(new JovInteger(i)));
    }
    ASSERT_EQ(vector.size(), 25);
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(static_cast<JovInteger*>(vector.elementAt(i))->intValue(), i);
    }
}

TEST_F(JovVectorTest, ElementLivesAsLongAsTheVectorHoldsIt) {
    bool destroyed = false;
    {
        JovVector vector;
        vector.addElement(new Probe(&destroyed));
        EXPECT_FALSE(destroyed);
    }
    EXPECT_TRUE(destroyed);
}

TEST_F(JovVectorTest, ElementHeldTwiceSurvivesOneRemoval) {
    bool destroyed = false;
    auto* probe = new Probe(&destroyed);
    JovVector first;
    JovVector second;
    first.addElement(probe);
    second.addElement(probe);
    first.removeElementAt(0);
    EXPECT_FALSE(destroyed);
    second.removeAllElements();
    EXPECT_TRUE(destroyed);
}

TEST_F(JovVectorTest, CopySeesTheOthersChanges) {
    JovVector original;
    const JovVector copy(original);
    JovVector assigned;
    assigned = original;
    original.addElement(JovString("Zwiebel"));
    EXPECT_EQ(copy.size(), 1);
    EXPECT_EQ(assigned.size(), 1);
    assigned.removeAllElements();
    EXPECT_TRUE(original.isEmpty());
}

TEST_F(JovVectorTest, AddElementStoresACopyOfAString) {
    JovVector vector;
    const JovString text("Knoblauch");
    vector.addElement(text);
    EXPECT_NE(vector.elementAt(0), &text);
    EXPECT_TRUE(text.equals(vector.elementAt(0)));
}

TEST_F(JovVectorTest, InsertElementAtClampsTheIndex) {
    JovVector letters = threeLetters();
    letters.insertElementAt(new JovString("x"), 1);
    letters.insertElementAt(new JovString("end"), 99);
    letters.insertElementAt(new JovString("start"), -4);
    EXPECT_STREQ(letters.toString().chars(), "ool.util.JovVector[start,a,x,b,c,end]");
}

TEST_F(JovVectorTest, FirstAndLastElement) {
    const JovVector letters = threeLetters();
    EXPECT_STREQ(letters.firstElement()->toString().chars(), "a");
    EXPECT_STREQ(letters.lastElement()->toString().chars(), "c");
}

TEST_F(JovVectorTest, SetElementAtReplacesAndReleasesTheOld) {
    bool destroyed = false;
    JovVector vector;
    vector.addElement(new Probe(&destroyed));
    vector.setElementAt(new JovString("neu"), 0);
    EXPECT_TRUE(destroyed);
    EXPECT_STREQ(textAt(vector, 0).chars(), "neu");
}

TEST_F(JovVectorTest, SetElementAtWithTheSameElementKeepsIt) {
    bool destroyed = false;
    auto* probe = new Probe(&destroyed);
    JovVector vector;
    vector.addElement(probe);
    vector.setElementAt(probe, 0);
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(vector.elementAt(0), probe);
}

TEST_F(JovVectorTest, RemoveElementAtClosesTheGap) {
    JovVector letters = threeLetters();
    letters.removeElementAt(1);
    EXPECT_STREQ(letters.toString().chars(), "ool.util.JovVector[a,c]");
}

TEST_F(JovVectorTest, RemoveElementUsesTheArgumentsEquals) {
    JovVector letters = threeLetters();
    const JovString b("b");
    EXPECT_TRUE(letters.removeElement(&b));
    EXPECT_FALSE(letters.removeElement(&b));
    EXPECT_FALSE(letters.removeElement(nullptr));
    EXPECT_STREQ(letters.toString().chars(), "ool.util.JovVector[a,c]");
}

TEST_F(JovVectorTest, IndexOfAndContainsUseTheElementsEquality) {
    JovVector vector = threeLetters();
    auto* number = new JovInteger(5);
    vector.addElement(number);
    const JovString c("c");
    const JovInteger otherFive(5);
    EXPECT_EQ(vector.indexOf(&c), 2);
    EXPECT_TRUE(vector.contains(&c));
    EXPECT_EQ(vector.indexOf(number), 3);
    // A boxed integer is only equal to itself under the root's operator==.
    EXPECT_EQ(vector.indexOf(&otherFive), -1);
    EXPECT_FALSE(vector.contains(nullptr));
}

TEST_F(JovVectorTest, CloneHoldsClonesOfTheElements) {
    const JovVector letters = threeLetters();
    auto* copy = static_cast<JovVector*>(letters.clone());
    ASSERT_EQ(copy->size(), 3);
    EXPECT_NE(copy->elementAt(0), letters.elementAt(0));
    EXPECT_STREQ(copy->toString().chars(), "ool.util.JovVector[a,b,c]");
    copy->removeAllElements();
    EXPECT_EQ(letters.size(), 3);
    delete copy;
}

TEST_F(JovVectorTest, ValueTextNamesItsClass) {
    const JovVector::VectorValue value;
    EXPECT_STREQ(value.toString().chars(), "ool.util.JovVector::VectorValue");
}

TEST_F(JovVectorTest, ElementAtPastTheEndWritesAnErrorAndAnswersTheLast) {
    const JovVector letters = threeLetters();
    JovObject* found = nullptr;
    EXPECT_EQ(errorsOf([&] { found = letters.elementAt(5); }),
              "Error in Vector.elementAt: Index 5 >= 3.\r\n");
    EXPECT_EQ(found, letters.elementAt(2));
}

TEST_F(JovVectorTest, ElementAtBelowZeroWritesAnErrorAndAnswersTheFirst) {
    const JovVector letters = threeLetters();
    JovObject* found = nullptr;
    EXPECT_EQ(errorsOf([&] { found = letters.elementAt(-2); }),
              "Error in Vector.elementAt: Index -2 < 3.\r\n");
    EXPECT_EQ(found, letters.elementAt(0));
}

TEST_F(JovVectorTest, ElementAccessOnAnEmptyVectorWritesErrorsAndAnswersNull) {
    const JovVector empty;
    JovString sentinel;
    JovObject* found = &sentinel;
    EXPECT_EQ(errorsOf([&] { found = empty.elementAt(0); }),
              "Error in Vector.elementAt: Vector is empty.\r\n");
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(errorsOf([&] { found = empty.firstElement(); }),
              "Error in Vector.firstElement: Vector is empty.\r\n");
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(errorsOf([&] { found = empty.lastElement(); }),
              "Error in Vector.lastElement: Vector is empty.\r\n");
    EXPECT_EQ(found, nullptr);
}

TEST_F(JovVectorTest, SetElementAtOutsideWritesAnErrorAndChangesNothing) {
    JovVector letters = threeLetters();
    JovString replacement("x");
    EXPECT_EQ(errorsOf([&] { letters.setElementAt(&replacement, 3); }),
              "Error in JovVector.setElementAt: Index 3 >= 3.\r\n");
    EXPECT_EQ(errorsOf([&] { letters.setElementAt(&replacement, -1); }),
              "Error in JovVector.setElementAt: Index -1 < 0.\r\n");
    EXPECT_STREQ(letters.toString().chars(), "ool.util.JovVector[a,b,c]");
}

TEST_F(JovVectorTest, RemoveElementAtOutsideWritesAnErrorAndChangesNothing) {
    JovVector letters = threeLetters();
    EXPECT_EQ(errorsOf([&] { letters.removeElementAt(7); }),
              "Error in Vector.removeElementAt: Index 7 >= 3.\r\n");
    EXPECT_EQ(errorsOf([&] { letters.removeElementAt(-1); }),
              "Error in JovVector.removeElementAt: Index -1 < 0.\r\n");
    EXPECT_EQ(letters.size(), 3);
}

TEST_F(JovVectorTest, ToleratesNullElements) {
    JovVector vector;
    vector.addElement(static_cast<JovObject*>(nullptr));
    vector.addElement(JovString("a"));
    const JovString a("a");
    EXPECT_EQ(vector.indexOf(&a), 1);
    EXPECT_STREQ(vector.toString().chars(), "ool.util.JovVector[null,a]");
    vector.removeElementAt(0);
    EXPECT_EQ(vector.size(), 1);
}
