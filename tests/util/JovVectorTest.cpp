// The object list: counted element references, shared values, the index rules and the error
// lines written for bad indexes.
#include "CapturedOutput.h"
#include "DestructionProbe.h"
#include "LiveObjectTest.h"

#include "lang/JovInteger.h"
#include "util/JovVector.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class JovVectorTest : public LiveObjectTest {
protected:
    static JovVector threeLetters() {
        JovVector letters;
        for (const char* letter : {"a", "b", "c"}) {
            letters.addElement(JovString(letter));
        }
        return letters;
    }

    static std::string textOf(const JovVector& vector) { return vector.toString().chars(); }
};

TEST_F(JovVectorTest, ElementLivesAsLongAsAVectorHoldsIt) {
    bool destroyed = false;
    auto* probe = new DestructionProbe(&destroyed);
    JovVector second;
    {
        JovVector first;
        first.addElement(probe);
        second.addElement(probe);
    }
    EXPECT_FALSE(destroyed);
    second.removeAllElements();
    EXPECT_TRUE(destroyed);
}

TEST_F(JovVectorTest, CopySeesTheOthersChangesAndAStringIsStoredAsACopy) {
    JovVector original;
    JovVector assigned;
    assigned = original;
    const JovString text("Zwiebel");
    original.addElement(text);
    EXPECT_NE(assigned.elementAt(0), &text);
    EXPECT_TRUE(text.equals(assigned.elementAt(0)));
    assigned.removeAllElements();
    EXPECT_TRUE(original.isEmpty());
}

TEST_F(JovVectorTest, InsertClampsTheIndexAndSetReleasesTheOldButKeepsTheSame) {
    JovVector letters = threeLetters();
    letters.insertElementAt(new JovString("x"), 1);
    letters.insertElementAt(new JovString("end"), 99);
    letters.insertElementAt(new JovString("start"), -4);
    EXPECT_EQ(textOf(letters), "ool.util.JovVector[start,a,x,b,c,end]");
    EXPECT_STREQ(letters.lastElement()->toString().chars(), "end");
    bool oldGone = false;
    bool sameGone = false;
    auto* same = new DestructionProbe(&sameGone);
    letters.setElementAt(new DestructionProbe(&oldGone), 0);
    letters.setElementAt(same, 1);
    letters.setElementAt(new JovString("neu"), 0);
    letters.setElementAt(same, 1);
    EXPECT_TRUE(oldGone);
    EXPECT_FALSE(sameGone);
    EXPECT_EQ(textOf(letters), "ool.util.JovVector[neu,probe,x,b,c,end]");
}

TEST_F(JovVectorTest, RemoveIndexOfAndContainsUseTheElementsEquality) {
    JovVector letters = threeLetters();
    auto* number = new JovInteger(5);
    letters.addElement(number);
    letters.addElement(JovString("d"));
    const JovString b("b");
    const JovString c("c");
    const JovInteger otherFive(5);
    EXPECT_EQ(letters.indexOf(&c), 2);
    EXPECT_EQ(letters.indexOf(number), 3);
    // A boxed integer is only equal to itself under the root's operator==.
    EXPECT_EQ(letters.indexOf(&otherFive), -1);
    EXPECT_FALSE(letters.contains(nullptr));
    EXPECT_TRUE(letters.removeElement(&b));
    EXPECT_FALSE(letters.removeElement(&b));
    EXPECT_FALSE(letters.removeElement(nullptr));
    letters.removeElementAt(1);
    EXPECT_EQ(textOf(letters), "ool.util.JovVector[a,5,d]");
}

TEST_F(JovVectorTest, CloneHoldsClonesOfTheElements) {
    const JovVector letters = threeLetters();
    const std::unique_ptr<JovVector> copy(static_cast<JovVector*>(letters.clone()));
    ASSERT_EQ(copy->size(), 3);
    EXPECT_NE(copy->elementAt(0), letters.elementAt(0));
    copy->removeAllElements();
    EXPECT_EQ(letters.size(), 3);
}

TEST_F(JovVectorTest, BadIndexesWriteTheirErrorLinesAndReadTheNearestElementOrNull) {
    const JovVector letters = threeLetters();
    const JovVector empty;
    JovString sentinel;
    JovObject* answers[] = {nullptr, nullptr, &sentinel, &sentinel, &sentinel};
    EXPECT_EQ(errorsOf([&] {
                  answers[0] = letters.elementAt(5);
                  answers[1] = letters.elementAt(-2);
                  answers[2] = empty.elementAt(0);
                  answers[3] = empty.firstElement();
                  answers[4] = empty.lastElement();
              }),
              "Error in Vector.elementAt: Index 5 >= 3.\r\n"
              "Error in Vector.elementAt: Index -2 < 3.\r\n"
              "Error in Vector.elementAt: Vector is empty.\r\n"
              "Error in Vector.firstElement: Vector is empty.\r\n"
              "Error in Vector.lastElement: Vector is empty.\r\n");
    EXPECT_EQ(answers[0], letters.elementAt(2));
    EXPECT_EQ(answers[1], letters.elementAt(0));
    for (JovObject* answer : {answers[2], answers[3], answers[4]}) {
        EXPECT_EQ(answer, nullptr);
    }
}

TEST_F(JovVectorTest, SetOrRemoveOutsideWritesTheErrorLinesAndChangesNothing) {
    JovVector letters = threeLetters();
    JovString replacement("x");
    EXPECT_EQ(errorsOf([&] {
                  letters.setElementAt(&replacement, 3);
                  letters.setElementAt(&replacement, -1);
                  letters.removeElementAt(7);
                  letters.removeElementAt(-1);
              }),
              "Error in JovVector.setElementAt: Index 3 >= 3.\r\n"
              "Error in JovVector.setElementAt: Index -1 < 0.\r\n"
              "Error in Vector.removeElementAt: Index 7 >= 3.\r\n"
              "Error in JovVector.removeElementAt: Index -1 < 0.\r\n");
    EXPECT_EQ(textOf(letters), "ool.util.JovVector[a,b,c]");
}

TEST_F(JovVectorTest, ToleratesNullElements) {
    JovVector vector;
    vector.addElement(static_cast<JovObject*>(nullptr));
    vector.addElement(JovString("a"));
    const JovString a("a");
    EXPECT_EQ(vector.indexOf(&a), 1);
    EXPECT_EQ(textOf(vector), "ool.util.JovVector[null,a]");
    vector.removeElementAt(0);
    EXPECT_EQ(vector.size(), 1);
}
