#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/Gbk.h"
#include "pairings/SxPeid.h"
#include "tests/pairings/PairingFixture.h"
#include "tests/support/FakePlatform.h"

namespace jx::test {
namespace {

class PairingWindow : public ::testing::Test {
protected:
    void SetUp() override { open(CreateSanFile(files, StandardRows())); }

    void open(const std::string& connection) {
        window = std::make_unique<TFrm_SxPeid>(connection);
        window->setAttribute(Qt::WA_DeleteOnClose, false);  // owned by the test
        window->show();
        man = window->findChild<QComboBox*>("ComboBoxDL");
        woman = window->findChild<QComboBox*>("ComboBoxXX");
        memo = window->findChild<QPlainTextEdit*>("RzMemo1");
        ASSERT_TRUE(man && woman && memo);
    }

    void click(const char* button) {
        auto* target = window->findChild<QPushButton*>(button);
        ASSERT_TRUE(target) << button;
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void pair(const QString& manAnimal, const QString& womanAnimal) {
        man->setCurrentText(manAnimal);
        woman->setCurrentText(womanAnimal);
        click("RzBitBtn1");
    }

    QStringList memoLines() const { return memo->toPlainText().split(QLatin1Char('\n')); }

    ScopedFakePlatform fake;
    SqliteFixture files;
    std::unique_ptr<TFrm_SxPeid> window;
    QComboBox* man = nullptr;
    QComboBox* woman = nullptr;
    QPlainTextEdit* memo = nullptr;
};

TEST_F(PairingWindow, StartsWithTheTwelveAnimalsAndRatChosen) {
    EXPECT_EQ(window->windowTitle(), "生肖配对");
    for (QComboBox* list : {man, woman}) {
        EXPECT_FALSE(list->isEditable());
        ASSERT_EQ(list->count(), 12);
        QStringList items;
        for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
        EXPECT_EQ(items.join(""), "鼠牛虎兔龙蛇马羊猴鸡狗猪");
        EXPECT_EQ(list->currentText(), "鼠");
    }
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText(), "");
    EXPECT_EQ(window->defaultSaveName(), "");
}

TEST_F(PairingWindow, ShowsHeadingEmptyLinesAndEachFilledPart) {
    pair("鼠", "牛");
    EXPECT_EQ(memoLines(), QStringList({"鼠和牛配对结果如下:", "", "", "鼠男牛女，相敬如宾。", "",
                                        "性格互补。", "", "白头偕老。", ""}));
    EXPECT_FALSE(memo->toPlainText().contains("标题"));  // the title is never shown
    EXPECT_EQ(window->defaultSaveName(), "鼠配对牛");
    EXPECT_EQ(fake->beeps, 0);
    EXPECT_TRUE(fake->infos.empty());
}

TEST_F(PairingWindow, RowsOfEveryShape) {
    struct Case {
        const char* man;
        const char* woman;
        QStringList lines;
    };
    const Case cases[] = {
        {"牛", "鼠", {"牛和鼠配对结果如下:", "", "", "牛男鼠女，勤俭持家。", ""}},  // order matters
        {"鼠", "鼠", {"鼠和鼠配对结果如下:", "", "", "同属相，", "性情相近。", ""}},
        {"虎", "兔", {"虎和兔配对结果如下:", "", "", "只有第三段。", ""}},
        {"龙", "蛇", {"龙和蛇配对结果如下:", "", ""}},  // four nulls
        {"马", "羊", {"马和羊配对结果如下:", "", ""}},  // four blanks
    };
    for (const Case& c : cases) {
        pair(c.man, c.woman);
        EXPECT_EQ(memoLines(), c.lines) << c.man << c.woman;
        EXPECT_EQ(window->defaultSaveName(), std::string(c.man) + "配对" + c.woman);
    }
}

TEST_F(PairingWindow, NoRowClearsTheMemoAndKeepsTheSaveName) {
    pair("鼠", "牛");
    pair("猴", "鸡");
    EXPECT_EQ(memo->toPlainText(), "");
    EXPECT_EQ(window->defaultSaveName(), "鼠配对牛");
    click("RzBitBtn2");
    EXPECT_TRUE(fake->saveDialogs.empty());
    EXPECT_TRUE(fake->infos.empty());
    EXPECT_TRUE(fake->errors.empty());
}

TEST_F(PairingWindow, MissingFileIsSilentAndKeepsThePreviousResult) {
    pair("鼠", "牛");
    const QString before = memo->toPlainText();
    QFile::remove(QString::fromStdString(files.path("SanFile.dll")));
    pair("牛", "鼠");
    EXPECT_EQ(memo->toPlainText(), before);
    EXPECT_EQ(window->defaultSaveName(), "鼠配对牛");
    EXPECT_TRUE(fake->infos.empty());
    EXPECT_TRUE(fake->errors.empty());
}

TEST_F(PairingWindow, MissingTableIsSilent) {
    SqliteFixture other;
    other.create("SanFile.dll", {"create table something(a text)"});
    open(other.connectionString("SanFile.dll"));
    pair("鼠", "牛");
    EXPECT_EQ(memo->toPlainText(), "");
    EXPECT_EQ(window->defaultSaveName(), "");
    EXPECT_TRUE(fake->errors.empty());
}

TEST_F(PairingWindow, BadStoredPairsBeepAndTheRestIsShown) {
    SqliteFixture other;
    open(CreateSanFile(other, {}, {{"狗", "猪", "t", {"41zz", "", "", "?"}}}));
    pair("狗", "猪");
    EXPECT_EQ(fake->beeps, 1);  // "zz"; a lone "?" is an unpaired final character
    EXPECT_EQ(memoLines(), QStringList({"狗和猪配对结果如下:", "", "", "A", "", "", ""}));
}

TEST_F(PairingWindow, SaveBeforeAnyPairingDoesNothing) {
    click("RzBitBtn2");
    EXPECT_TRUE(fake->saveDialogs.empty());
}

TEST_F(PairingWindow, CloseButtonClosesTheWindow) {
    click("RzBitBtn4");
    EXPECT_FALSE(window->isVisible());
}

TEST(PairingWindowLifetime, ClosingFreesTheWindow) {
    ScopedFakePlatform fake;
    QPointer<TFrm_SxPeid> window = new TFrm_SxPeid(std::string("Data Source=/nonexistent.dll"));
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>("RzBitBtn4"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

class PairingSave : public PairingWindow {
protected:
    void SetUp() override {
        PairingWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        pair("鼠", "牛");
    }
    QString inFolder(const QString& name) const { return folder.filePath(name); }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray expectedBytes() const {
        const std::string bytes = ToGbk(
            "鼠和牛配对结果如下:\r\n\r\n\r\n鼠男牛女，相敬如宾。\r\n\r\n性格互补。\r\n\r\n"
            "白头偕老。\r\n\r\n");
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    }
    QTemporaryDir folder;
};

TEST_F(PairingSave, OffersThePairNameAndWritesGbkWithCrLf) {
    fake->saveFileAnswer = inFolder("鼠配对牛");
    click("RzBitBtn2");
    ASSERT_EQ(fake->saveDialogs.size(), 1u);
    EXPECT_EQ(fake->saveDialogs[0].title, "保存");
    EXPECT_EQ(fake->saveDialogs[0].filter, "文本文件|*.txt");
    EXPECT_EQ(fake->saveDialogs[0].suggestedName, "鼠配对牛");
    EXPECT_EQ(read(inFolder("鼠配对牛.txt")), expectedBytes());
    EXPECT_FALSE(QFile::exists(inFolder("鼠配对牛")));
}

TEST_F(PairingSave, AppendsTxtWhateverTheNameEndsWith) {
    fake->saveFileAnswer = inFolder("result.txt");
    click("RzBitBtn2");
    EXPECT_EQ(read(inFolder("result.txt.txt")), expectedBytes());
    EXPECT_FALSE(QFile::exists(inFolder("result.txt")));
}

TEST_F(PairingSave, ReplacesAnExistingFileWithoutAsking) {
    QFile old(inFolder("r.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("a much longer earlier content that must not linger at the end of the file......");
    old.close();
    fake->saveFileAnswer = inFolder("r");
    click("RzBitBtn2");
    EXPECT_EQ(read(inFolder("r.txt")), expectedBytes());
    EXPECT_TRUE(fake->questions.empty());
}

TEST_F(PairingSave, CancelledDialogWritesNothing) {
    fake->saveFileAnswer.reset();
    click("RzBitBtn2");
    EXPECT_EQ(fake->saveDialogs.size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PairingSave, ReadOnlyFolderIsSilentAndKeepsAnExistingFile) {
    QFile old(inFolder("r.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(inFolder("probe"));
    if (probe.open(QIODevice::WriteOnly)) {  // permissions do not bind this user (root)
        probe.close();
        probe.remove();
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "the folder cannot be made read-only for this user";
    }
    fake->saveFileAnswer = inFolder("r");
    click("RzBitBtn2");
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(read(inFolder("r.txt")), QByteArray("old"));
    EXPECT_TRUE(fake->errors.empty());
    EXPECT_TRUE(fake->infos.empty());
}

TEST_F(PairingSave, UnwritableTargetIsSilent) {
    // A folder where the file should go: the write fails whoever runs the test.
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.txt"));
    fake->saveFileAnswer = inFolder("taken");
    click("RzBitBtn2");
    EXPECT_TRUE(QFileInfo(inFolder("taken.txt")).isDir());
    EXPECT_TRUE(fake->errors.empty());
    fake->saveFileAnswer = inFolder("no such folder/x");
    click("RzBitBtn2");
    EXPECT_TRUE(fake->errors.empty());
}

}  // namespace
}  // namespace jx::test
