#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "app/dialog/MainDlgTemplate.h"
#include "app/dialog/QuorlinApp.h"
#include "tests/Scratch.h"
#include "tests/app/HeadlessToolkit.h"

namespace {

const std::string Book =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<html><head><meta name=\"vorka:id\" content=\"1\"/><meta name=\"dc:title\"/></head>"
    "<body/></html>";
const std::string Repaired =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<html><head><meta name=\"dc:title\"/></head><body/></html>";

const std::string CannotOpen = "エラー：ファイルが開けません。";
const std::string NotXml = "エラー：XMLフォーマットエラー";
const std::string Success = "修正が成功しました。";

// The dialog program run headless: the acts a test queues are what a person
// does, and the loop's result is the exit code.
class Dialog : public Scratch {
protected:
    int run() { return runMainDialog(screen); }
    void pick(const std::string& path) {
        screen.then([this, path] {
            screen.pickerAnswer = path;
            screen.click(BrowseButton);
        });
    }
    void press(int itemId) {
        screen.then([this, itemId] { screen.click(itemId); });
    }
    void start(const std::string& path) {
        pick(path);
        press(StartButton);
    }
    // Records the field as it stands when the queued acts reach this point.
    void noteField(std::string& into) {
        screen.then([this, &into] { into = screen.text(PathField); });
    }

    HeadlessToolkit screen;
};

} // namespace

TEST_F(Dialog, EmptyFieldReportsCannotOpenWithTheErrorIcon) {
    press(StartButton);
    press(ExitButton);
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(screen.boxes[0].text, CannotOpen);
    EXPECT_EQ(screen.boxes[0].caption, "Quorlin");
    EXPECT_EQ(screen.boxes[0].icon, MessageIcon::Error);
    EXPECT_EQ(screen.boxes[0].owner, screen.dialog());
    EXPECT_FALSE(screen.isVisible());
}

// The book lies past the 260 units of Windows: a cut path would name another file.
TEST_F(Dialog, SuccessShowsNoIconAndEmptiesTheFieldFailureKeepsThePath) {
    std::string book;
    for (int i = 0; i < 6; ++i) {
        book += (i ? "/" : "") + std::string(50, static_cast<char>('a' + i));
        makeDirectory(book);
    }
    book += "/ncc.html";
    ASSERT_GT(path(book).size(), 300u);
    write(book, Book);
    write("broken.html", "<html><head>");
    std::string afterSuccess, afterFailure;
    start(path(book));
    noteField(afterSuccess);
    start(path("broken.html"));
    noteField(afterFailure);
    press(ExitButton);
    EXPECT_EQ(run(), 0);

    ASSERT_EQ(screen.boxes.size(), 2u);
    EXPECT_EQ(screen.boxes[0].text, Success);
    EXPECT_EQ(screen.boxes[0].icon, MessageIcon::None);
    EXPECT_EQ(afterSuccess, "");
    EXPECT_EQ(read(book), Repaired);
    EXPECT_EQ(read(book + ".old"), Book);
    EXPECT_EQ(screen.boxes[1].text, NotXml);
    EXPECT_EQ(screen.boxes[1].icon, MessageIcon::Error);
    EXPECT_EQ(afterFailure, path("broken.html"));
}

TEST_F(Dialog, PickerAsksForAnNccAndCancellingKeepsTheEarlierPath) {
    std::string afterCancel;
    pick("/books/one/ncc.html");
    screen.then([this] {
        screen.pickerAnswer.reset();
        screen.click(BrowseButton);
    });
    noteField(afterCancel);
    press(ExitButton);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(afterCancel, "/books/one/ncc.html");
    ASSERT_EQ(screen.pickerRequests.size(), 2u);
    const FilePickerRequest& request = screen.pickerRequests[0];
    EXPECT_EQ(std::u16string(request.title), u"修正するncc.htmlを指定してください。");
    EXPECT_EQ(std::u16string(request.filterName), u"ncc.html");
    EXPECT_EQ(std::u16string(request.filterPattern), u"ncc.html");
    EXPECT_TRUE(screen.boxes.empty());
}

TEST_F(Dialog, TheCloseBoxEndsTheProgramAsExitDoes) {
    screen.then([this] { screen.pressCloseBox(); });
    EXPECT_EQ(run(), 0);
    EXPECT_FALSE(screen.isVisible());
}

// A press while the repair's message box is up (the handler has not returned)
// must not repair the file again: the second run would put the repaired file
// at ".old" in place of the original.
TEST_F(Dialog, ASecondPressDuringARepairStartsNoSecondRepair) {
    write("ncc.html", Book);
    start(path("ncc.html"));
    press(ExitButton);
    int boxes = 0;
    screen.whileBoxShows = [this, &boxes] {
        if (boxes++ == 0) screen.dispatchMessage({screen.dialog(), WmCommand, StartButton, 0});
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(screen.boxes.size(), 1u);
    EXPECT_EQ(read("ncc.html.old"), Book);
}

TEST_F(Dialog, ADroppedFileIsTakenAsIfPickedADirectoryIsNot) {
    write("ncc.html", Book);
    makeDirectory("shelf");
    std::string afterFile, afterDirectory;
    screen.then([this] { screen.dropFile(path("ncc.html")); });
    noteField(afterFile);
    screen.then([this] { screen.dropFile(path("shelf")); });
    noteField(afterDirectory);
    press(ExitButton);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(afterFile, path("ncc.html"));
    EXPECT_EQ(afterDirectory, path("ncc.html"));
}

// A 7 x 16 pixel base: dialog units are rounded as Windows rounds them.
TEST(DialogLayout, EveryControlOfTheMainDialogInPixels) {
    const DialogBaseUnits units = DialogBaseUnits::fromFont(7 * 52, 16);
    ASSERT_EQ(units.x, 7);
    ASSERT_EQ(units.y, 16);
    const auto corners = [](const WindowRect& r) {
        return std::array{r.left, r.top, r.right, r.bottom};
    };
    const std::pair<int, WindowRect> expected[] = {
        {-1, {12, 30, 12 + 571, 30 + 16}},
        {PathField, {12, 78, 12 + 534, 78 + 28}},
        {StartButton, {166, 126, 166 + 88, 126 + 28}},
        {ExitButton, {345, 126, 345 + 88, 126 + 28}},
        {BrowseButton, {557, 78, 557 + 26, 78 + 28}},
    };
    for (const auto& [id, pixels] : expected)
        EXPECT_EQ(corners(units.toPixels(mainDlgTemplate.item(id)->box)), corners(pixels)) << id;
    const WindowRect client = units.toPixels(mainDlgTemplate.box);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 182);
    // An average width of 6.5 pixels or more rounds up.
    EXPECT_EQ(DialogBaseUnits::fromFont(337, 14).x, 6);
    EXPECT_EQ(DialogBaseUnits::fromFont(338, 14).x, 7);
}

TEST(DialogLayout, TheMainDialogIsCentredOnTheDesktop) {
    HeadlessToolkit screen({7, 16}, {0, 0, 1281, 1024});
    screen.then([&screen] {
        const WindowRect rect = screen.windowRect(screen.dialog());
        EXPECT_EQ(rect.left, 640 - 300);
        EXPECT_EQ(rect.top, 512 - 91);
        EXPECT_EQ(rect.right - rect.left, 600);
        screen.click(ExitButton);
    });
    EXPECT_EQ(runMainDialog(screen), 0);
}
