// Output buffering: nothing is lost, order is kept, flush and close pass everything on.
#include "LiveObjectTest.h"
#include "TempFolder.h"

#include "io/JovBufferedWriter.h"
#include "io/JovFileWriter.h"

#include <gtest/gtest.h>
#include <string>

class JovBufferedWriterTest : public LiveObjectTest {
protected:
    JovBufferedWriter* writerTo(const char* name, int bufferSize) {
        return new JovBufferedWriter(new JovFileWriter(folder.file(name).c_str()), bufferSize);
    }

    TempFolder folder;
};

TEST_F(JovBufferedWriterTest, SmallWritesWaitForFlushAndMixedSizesKeepTheirOrder) {
    JovBufferedWriter* writer = writerTo("order.txt", 4);
    const std::string big(10, 'B');
    writer->write(JovString("ab"));
    EXPECT_EQ(folder.read("order.txt"), "");
    writer->flush();
    EXPECT_EQ(folder.read("order.txt"), "ab");
    writer->write(big.c_str(), 0, static_cast<int>(big.size()));
    writer->write(JovString("cd"));
    writer->write(JovString("efg"));
    writer->close();
    delete writer;
    EXPECT_EQ(folder.read("order.txt"), "ab" + big + "cdefg");
}

TEST_F(JovBufferedWriterTest, DestructionPassesOnWhatIsBuffered) {
    auto* file = new JovFileWriter(folder.file("late.txt").c_str());
    file->addRef();
    auto* writer = new JovBufferedWriter(file, 64);
    writer->write(JovString("nicht verloren"));
    delete writer;
    EXPECT_EQ(folder.read("late.txt"), "nicht verloren");
    file->close();
    file->release();
}
