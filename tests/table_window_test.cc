// The code-table generator through the real window: the settings typed and clicked as a user
// would, the table read back from the box, copied to the real clipboard and saved through the
// real file dialog.

#include <sys/resource.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/controls.h"
#include "table/generator.h"
#include "tests/gui_support.h"
#include "tests/initial_settings.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace quorbit::testing {
namespace {

using table::TableSettings;

// Qt's file dialog keeps its state in the user's settings. This program gets a home of its
// own before the application starts, so a dialog that wrote there would show, and the real
// home is never touched.
class OwnHome {
 public:
  OwnHome() {
    qputenv("HOME", QFile::encodeName(dir_.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigPath()));
  }
  QString Path() const { return dir_.path(); }
  QString ConfigPath() const { return dir_.path() + QStringLiteral("/config"); }

 private:
  QTemporaryDir dir_;
};

const OwnHome& Home() {
  static const OwnHome home;
  return home;
}

[[maybe_unused]] const OwnHome& kOwnHome = Home();  // set before main() starts Qt

const QString kHint = QStringLiteral("提示|");
const QString kCopied = kHint + QStringLiteral("已复制到剪贴板！");
const QString kCopyFailed = kHint + QStringLiteral("复制失败！");
const QString kSaveFailed = kHint + QStringLiteral("保存失败！");
const QString kTooLarge = kHint + QStringLiteral("编码表太大，请减少编码数、列数或列间距。");

QString Decoded(const Text& gbk) {
  QStringDecoder decoder("GBK");
  return decoder.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

TableSettings Initial() { return quorbit::testing::InitialSettings(); }

// The table the core makes for the settings, as one text.
Text CoreTable(const TableSettings& settings) {
  Text all;
  table::GenerateTable(settings, table::PlanTable(settings),
                       [&](const Text& line) { all += line; });
  return all;
}

std::vector<Text> Lines(const Text& table) {
  std::vector<Text> lines;
  for (std::size_t start = 0; start < table.size();) {
    const std::size_t end = table.find("\r\n", start);
    if (end == Text::npos) {
      lines.push_back(table.substr(start));
      break;
    }
    lines.push_back(table.substr(start, end + 2 - start));
    start = end + 2;
  }
  return lines;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray("<no file>");
  return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Bytes(const Text& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// Caps the size of the files this program writes from now on. Writing past the cap fails
// (with the signal it would raise ignored), also for root, for whom file modes are no bar.
void SetFileSizeLimit(rlim_t bytes) {
  std::signal(SIGXFSZ, bytes == RLIM_INFINITY ? SIG_DFL : SIG_IGN);
  rlimit limit{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
  limit.rlim_cur = std::min(bytes, limit.rlim_max);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
}

// What the save dialog showed when it opened.
struct DialogAtOpen {
  bool seen = false;
  bool save_mode = false;
  QStringList filters;
  QString filter;
  QString suffix;
  QStringList files;
};

class TableWindowTest : public WindowTest {
 protected:
  void Generate() { Click("按钮_制表"); }
  // A click that waits in the event queue until the window next handles its events.
  void QueueClick(const char* name) {
    QMetaObject::invokeMethod(W<QAbstractButton>(name), &QAbstractButton::click,
                              Qt::QueuedConnection);
  }

  Text Table() { return tk().GetText(tk().Find(ctl::编辑框1)); }
  QString BoxText(const char* box) { return W<QLineEdit>(box)->text(); }
  bool Checked(const char* name) { return W<QAbstractButton>(name)->isChecked(); }
  bool Enabled(const char* name) { return W(name)->isEnabled(); }

  // Answers the next save dialog: picks `path` there and confirms it, as a user would.
  // `before_write` runs once the dialog has accepted, before the file is written.
  void ChooseInDialog(const QString& path, std::function<void()> before_write = nullptr) {
    watchdog_->Expect([this, path, before_write](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (dialog == nullptr) {
        ADD_FAILURE() << "expected the save dialog";
        modal->close();
        return;
      }
      at_open_ = {true,
                  dialog->acceptMode() == QFileDialog::AcceptSave,
                  dialog->nameFilters(),
                  dialog->selectedNameFilter(),
                  dialog->defaultSuffix(),
                  dialog->selectedFiles()};
      if (before_write) QObject::connect(dialog, &QDialog::accepted, dialog, before_write);
      // Accepting may ask about replacing the file, a box the watchdog must be free to see.
      QTimer::singleShot(0, dialog, [dialog, path] {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (name == nullptr) {
          ADD_FAILURE() << "the save dialog has no file-name box";
          dialog->reject();
          return;
        }
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
      });
    });
  }
  void CancelDialog() {
    watchdog_->Expect([this](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      at_open_.seen = dialog != nullptr;
      if (dialog == nullptr) {
        ADD_FAILURE() << "expected the save dialog";
        modal->close();
        return;
      }
      dialog->reject();
    });
  }
  // Answers the question whether to replace an existing file.
  void AnswerReplace(QMessageBox::StandardButton answer) {
    watchdog_->Expect([this, answer](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      replace_asked_ = box != nullptr && box->button(QMessageBox::Yes) != nullptr;
      if (box == nullptr) {
        ADD_FAILURE() << "expected the question about replacing the file";
        modal->close();
        return;
      }
      box->button(answer)->click();
    });
  }
  void Save() { Click("按钮_保存"); }

  // The message boxes met since the last call; the save dialog, also recorded, has no text.
  QStringList Messages() {
    QStringList messages;
    for (const QString& seen : TakeMessages()) {
      if (!seen.endsWith(u'|')) messages << seen;
    }
    return messages;
  }

  // What the table box may hold when it is copied or saved, each reached as a user would.
  struct BoxState {
    const char* name;
    std::function<void()> prepare;
  };
  std::vector<BoxState> BoxStates() {
    return {
        {"the introduction before any table", [] {}},
        {"the generated table", [this] { Generate(); }},
        {"text typed after generating",
         [this] {
           Generate();
           auto* box = W<QPlainTextEdit>("编辑框1");
           box->moveCursor(QTextCursor::End);
           TypeInto(box, QStringLiteral("中X"));
           QTest::keyClick(box, Qt::Key_Return);
           TypeInto(box, QStringLiteral("Y"));
         }},
        {"an empty box",
         [this] {
           Enter("编辑框_列", "0");
           Generate();
         }},
    };
  }

  DialogAtOpen at_open_;
  bool replace_asked_ = false;
  QTemporaryDir dir_;
};

TEST_F(TableWindowTest, InitialSettingsGiveFiftyOneLinesOfNinetyBytes) {
  Generate();
  const Text table = Table();
  EXPECT_EQ(table.size(), 4692u);
  const std::vector<Text> lines = Lines(table);
  ASSERT_EQ(lines.size(), 51u);
  for (const Text& line : lines) {
    EXPECT_EQ(line.size(), 92u);
    EXPECT_TRUE(line.ends_with("\r\n"));
  }
  EXPECT_EQ(Decoded(lines.front()),
            QStringLiteral("     T1、 10000000    T52、 00101100   T103、 11100110   T154、 "
                           "01011001   T205、 10110011\r\n"));
  EXPECT_EQ(table, CoreTable(Initial()));
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TableWindowTest, TableFollowsTheSettingsTypedAndClicked) {
  const struct {
    const char* name;
    std::function<void()> act;
    std::function<void(TableSettings&)> expect;
  } rows[] = {
      {"count 13: blank cells after 13", [&] { Enter("编辑框_地址数", "13"); },
       [](TableSettings& s) { s.count = "13"; }},
      {"count 1e3: five-character labels", [&] { Enter("编辑框_地址数", "1e3"); },
       [](TableSettings& s) { s.count = "1e3"; }},
      {"count 0.5: one line of blank cells", [&] { Enter("编辑框_地址数", "0.5"); },
       [](TableSettings& s) { s.count = "0.5"; }},
      {"column count 5.5: a last line without CR LF", [&] { Enter("编辑框_列", "5.5"); },
       [](TableSettings& s) { s.columns = "5.5"; }},
      {"negative spacing: cells touch", [&] { Enter("编辑框_列间距", "-2"); },
       [](TableSettings& s) { s.spacing = "-2"; }},
      {"Chinese symbols typed into the symbol boxes",
       [&] {
         Enter("编辑框_0", QStringLiteral("中"));
         Enter("编辑框_1", QStringLiteral("文"));
       },
       [](TableSettings& s) {
         s.off_symbol = "\xD6\xD0";  // "中"
         s.on_symbol = "\xCE\xC4";   // "文"
       }},
      {"empty symbols",
       [&] {
         Enter("编辑框_0", "");
         Enter("编辑框_1", "");
       },
       [](TableSettings& s) { s.off_symbol = s.on_symbol = ""; }},
      {"widened with hidden OFF bits",
       [&] {
         Click("选择框_加宽");
         Click("选择框_不显示");
       },
       [](TableSettings& s) { s.widen = s.hide_off = true; }},
      {"ON bits as switch numbers, count 999",
       [&] {
         Click("选择框_显示位数");
         Enter("编辑框_地址数", "999");
       },
       [](TableSettings& s) {
         s.show_positions = true;
         s.count = "999";
       }},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Reopen();
    row.act();
    Generate();
    TableSettings expected = Initial();
    row.expect(expected);
    const Text table = Table();
    EXPECT_FALSE(table.empty());
    EXPECT_EQ(table, CoreTable(expected));
    EXPECT_TRUE(Messages().isEmpty());
  }
}

TEST_F(TableWindowTest, PresetsShapeTheNextTable) {
  const struct {
    const char* preset;
    std::size_t bytes;
    std::size_t lines;
    QString first_line;
  } rows[] = {
      {"单选框1", 4692, 51,
       QStringLiteral("     T1、 1_______    T52、 __3_56__   T103、 123__67_   T154、 _2_45__8   "
                      "T205、 1_34__78\r\n")},
      {"单选框2", 6904, 128,
       QStringLiteral("     T1、 1 ^ ^ ^ ^ ^ ^ ^    T129、 1 ^ ^ ^ ^ ^ ^ 8 \r\n")},
      {"单选框3", 4736, 64,
       QStringLiteral(
           "     T1、 10000000    T65、 10000010   T129、 10000001   T193、 10000011\r\n")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.preset);
    Click(row.preset);
    Generate();
    const Text table = Table();
    EXPECT_EQ(table.size(), row.bytes);
    const std::vector<Text> lines = Lines(table);
    ASSERT_EQ(lines.size(), row.lines);
    EXPECT_EQ(Decoded(lines.front()), row.first_line);
  }
}

TEST_F(TableWindowTest, PresetLeavesItsStateAndClickedAgainRestoresIt) {
  const struct {
    const char* preset;
    QString off_symbol;
    bool hide_off, show_positions, widen;
    QString columns;
    bool on_symbol_enabled;
  } rows[] = {
      {"单选框1", "_", false, true, false, "5", false},
      {"单选框2", "^", false, true, true, "2", false},
      {"单选框3", "0", false, false, false, "4", true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.preset);
    Reopen();
    Enter("编辑框_1", "X");
    Enter("编辑框_0", "Q");
    Enter("编辑框_列间距", "1");
    Enter("编辑框_地址数", "100");
    Enter("编辑框_列", "7");
    Click("选择框_不显示");
    Click("选择框_加宽");
    const Text box = Table();
    const auto expect_preset = [&] {
      EXPECT_TRUE(Checked(row.preset));
      EXPECT_EQ(BoxText("编辑框_0"), row.off_symbol);
      EXPECT_EQ(Checked("选择框_不显示"), row.hide_off);
      EXPECT_EQ(Checked("选择框_显示位数"), row.show_positions);
      EXPECT_EQ(Checked("选择框_加宽"), row.widen);
      EXPECT_EQ(BoxText("编辑框_列"), row.columns);
      EXPECT_EQ(Enabled("编辑框_1"), row.on_symbol_enabled);
      EXPECT_TRUE(Enabled("编辑框_0"));
      // Untouched: the ON symbol, spacing, count and the box.
      EXPECT_EQ(BoxText("编辑框_1"), "X");
      EXPECT_EQ(BoxText("编辑框_列间距"), "1");
      EXPECT_EQ(BoxText("编辑框_地址数"), "100");
      EXPECT_EQ(Table(), box);
    };
    Click(row.preset);
    expect_preset();

    Click("选择框_加宽");
    Click("选择框_显示位数");
    Click("选择框_不显示");
    Enter("编辑框_列", "9");
    Click(row.preset);
    expect_preset();
  }
}

TEST_F(TableWindowTest, OptionBoxesDisableTheirSymbolBoxWhileChecked) {
  const struct {
    const char* check_box;
    const char* symbol_box;  // null: no box depends on it
  } rows[] = {
      {"选择框_不显示", "编辑框_0"},
      {"选择框_显示位数", "编辑框_1"},
      {"选择框_加宽", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.check_box);
    for (const bool checked : {true, false}) {
      Click(row.check_box);
      EXPECT_EQ(Checked(row.check_box), checked);
      for (const char* box : {"编辑框_0", "编辑框_1"}) {
        const bool depends = row.symbol_box != nullptr && std::string(box) == row.symbol_box;
        EXPECT_EQ(Enabled(box), !(depends && checked)) << box;
      }
      // A disabled box keeps its text.
      EXPECT_EQ(BoxText("编辑框_0"), "0");
      EXPECT_EQ(BoxText("编辑框_1"), "1");
    }
  }
}

TEST_F(TableWindowTest, ClicksQueuedBeforeThePauseAreHandledThere) {
  const struct {
    const char* name;
    std::vector<const char*> queued;
    std::function<void(TableSettings&)> expect;
    bool off_symbol_enabled;
  } rows[] = {
      {"a preset shapes the table",
       {"单选框2"},
       [](TableSettings& s) {
         s.off_symbol = "^";
         s.widen = s.show_positions = true;
         s.columns = "2";
       },
       true},
      {"a check box shapes the table and locks its symbol box",
       {"选择框_不显示"},
       [](TableSettings& s) { s.hide_off = true; },
       false},
      {"a second generation leaves one table", {"按钮_制表"}, [](TableSettings&) {}, true},
      {"a preset, then a second generation",
       {"单选框3", "按钮_制表"},
       [](TableSettings& s) { s.columns = "4"; },
       true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Reopen();
    for (const char* name : row.queued) QueueClick(name);
    Generate();
    TableSettings expected = Initial();
    row.expect(expected);
    EXPECT_EQ(Table(), CoreTable(expected));
    EXPECT_EQ(Enabled("编辑框_0"), row.off_symbol_enabled);
  }
}

TEST_F(TableWindowTest, QueuedCopyAndSaveSeeTheEmptiedBox) {
  QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
  QueueClick("按钮_复制");
  Generate();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
  EXPECT_EQ(Messages(), QStringList{kCopied});

  const QString path = dir_.filePath(QStringLiteral("queued.txt"));
  ChooseInDialog(path);
  QueueClick("按钮_保存");
  Generate();
  EXPECT_TRUE(at_open_.seen);
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_EQ(FileBytes(path), QByteArray());
  EXPECT_EQ(Table().size(), 4692u);
}

TEST_F(TableWindowTest, ColumnCountReadingAsZeroLeavesTheBoxEmptyAndSaysNothing) {
  for (const QString& columns : {QStringLiteral("0"), QString(), QStringLiteral("abc")}) {
    SCOPED_TRACE(columns.toStdString());
    Generate();
    Enter("编辑框_列", columns);
    Generate();
    EXPECT_EQ(Table(), "");
    EXPECT_TRUE(Messages().isEmpty());
  }
}

TEST_F(TableWindowTest, TablesBeyondTheBoundAreRefusedWithAMessage) {
  const struct {
    const char* name;
    const char* spacing;
    const char* count;
    const char* columns;
  } rows[] = {
      {"count 1e9", "3", "1e9", "5"},
      {"a million columns", "3", "255", "1e6"},
      {"wide spacing: too many bytes", "9999", "999", "1"},
      {"wide spacing: lines too long", "9999", "255", "5"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Reopen();
    Enter("编辑框_列间距", row.spacing);
    Enter("编辑框_地址数", row.count);
    Enter("编辑框_列", row.columns);
    Generate();
    EXPECT_EQ(Table(), "");
    EXPECT_EQ(Messages(), QStringList{kTooLarge});
  }
}

TEST_F(TableWindowTest, SeventyThousandAddressesInOneColumnAreAccepted) {
  Enter("编辑框_地址数", "7e4");
  Enter("编辑框_列", "1");
  Generate();
  TableSettings expected = Initial();
  expected.count = "7e4";
  expected.columns = "1";
  const Text table = Table();
  EXPECT_EQ(table, CoreTable(expected));
  EXPECT_EQ(Lines(table).size(), 70000u);
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TableWindowTest, CopyPutsTheBoxTextOnTheClipboard) {
  for (const auto& row : BoxStates()) {
    SCOPED_TRACE(row.name);
    Reopen();
    row.prepare();
    const Text box = Table();
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    Click("按钮_复制");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), Decoded(box));
    EXPECT_EQ(Messages(), QStringList{kCopied});
    EXPECT_EQ(Table(), box);
  }
}

TEST_F(TableWindowTest, CopyTheClipboardRefusesIsReported) {
  Generate();
  const Text box = Table();
  window().clipboard_writer = [](const QString&) { return false; };
  Click("按钮_复制");
  EXPECT_EQ(Messages(), QStringList{kCopyFailed});
  EXPECT_EQ(Table(), box);
}

TEST_F(TableWindowTest, SaveWritesExactlyTheBoxText) {
  int file = 0;
  for (const auto& row : BoxStates()) {
    SCOPED_TRACE(row.name);
    Reopen();
    row.prepare();
    const QString path = dir_.filePath(QStringLiteral("saved%1.txt").arg(++file));
    ChooseInDialog(path);
    Save();
    EXPECT_TRUE(at_open_.seen);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(FileBytes(path), Bytes(Table()));
    EXPECT_TRUE(Messages().isEmpty());
  }
}

TEST_F(TableWindowTest, SavedTableIsGbkWithCrLfAndNoBom) {
  Generate();
  const QString path = dir_.filePath(QStringLiteral("table.txt"));
  ChooseInDialog(path);
  Save();
  const QByteArray bytes = FileBytes(path);
  EXPECT_EQ(bytes.size(), 4692);
  EXPECT_TRUE(bytes.startsWith("     T1\xA1\xA2 10000000"));  // "、"
  EXPECT_EQ(bytes.count("\r\n"), 51);
  EXPECT_EQ(bytes.count('\n'), 51);
  QStringDecoder gbk("GBK");
  const QString shown = gbk.decode(bytes);
  EXPECT_FALSE(gbk.hasError());
  EXPECT_TRUE(shown.startsWith(QStringLiteral("     T1、 10000000    T52、 00101100")));
}

TEST_F(TableWindowTest, SaveDialogOffersTheFiltersTheSuffixAndTheLastPath) {
  Generate();
  ChooseInDialog(dir_.filePath(QStringLiteral("table")));
  Save();
  ASSERT_TRUE(at_open_.seen);
  EXPECT_TRUE(at_open_.save_mode);
  EXPECT_EQ(at_open_.filters, QStringList({QStringLiteral("文本文件.txt (*.txt)"),
                                           QStringLiteral("所有文件.*.* (*.*)")}));
  EXPECT_EQ(at_open_.filter, at_open_.filters.front());
  EXPECT_EQ(at_open_.suffix, QStringLiteral("txt"));
  const QString saved = dir_.filePath(QStringLiteral("table.txt"));
  EXPECT_EQ(FileBytes(saved).size(), 4692);
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("table"))));

  at_open_ = {};
  CancelDialog();
  Save();
  EXPECT_TRUE(at_open_.seen);
  ChooseInDialog(dir_.filePath(QStringLiteral("other.txt")));
  Save();
  EXPECT_EQ(at_open_.files, QStringList{saved});
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TableWindowTest, CancelledSaveWritesNothingAndSaysNothing) {
  Generate();
  CancelDialog();
  Save();
  EXPECT_TRUE(at_open_.seen);
  EXPECT_TRUE(QDir(dir_.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
  EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(TableWindowTest, SaveDialogRefusesAFolderThatDoesNotExist) {
  Generate();
  const QString missing = dir_.filePath(QStringLiteral("没有的文件夹/table.txt"));
  ChooseInDialog(missing);
  QString warning;
  watchdog_->Expect([&warning](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr) << "expected the warning about the folder";
    warning = box->text();
    box->accept();
  });
  CancelDialog();  // the dialog stays open after the warning
  Save();
  EXPECT_TRUE(warning.startsWith(QStringLiteral("文件夹不存在"))) << warning.toStdString();
  EXPECT_FALSE(QFileInfo::exists(missing));
  EXPECT_TRUE(Messages().filter(QStringLiteral("保存失败")).isEmpty());
}

TEST_F(TableWindowTest, SaveOntoAnExistingFileAsksFirstAndThenReplacesItWhole) {
  const QByteArray old_content(10000, 'x');
  const struct {
    const char* name;
    const char* columns;  // "0" leaves the box empty
    QMessageBox::StandardButton answer;
  } rows[] = {
      {"a longer old file replaced by the table", "5", QMessageBox::Yes},
      {"an old file emptied by an empty box", "0", QMessageBox::Yes},
      {"declining keeps the old file", "5", QMessageBox::No},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Reopen();
    Enter("编辑框_列", row.columns);
    Generate();
    const QString path = dir_.filePath(QStringLiteral("old.txt"));
    WriteBytes(path, old_content);
    replace_asked_ = false;
    ChooseInDialog(path);
    AnswerReplace(row.answer);
    if (row.answer == QMessageBox::No) CancelDialog();  // the dialog stays open after "No"
    Save();
    EXPECT_TRUE(replace_asked_);
    EXPECT_EQ(FileBytes(path), row.answer == QMessageBox::Yes ? Bytes(Table()) : old_content);
    EXPECT_TRUE(Messages().filter(kHint).isEmpty());  // only the question
  }
}

TEST_F(TableWindowTest, FailedSaveIsReportedAndLeavesWhatWasThere) {
  const QByteArray old_content = "old content";
  const QString folder = dir_.filePath(QStringLiteral("folder"));
  const QString old_file = folder + QStringLiteral("/old.txt");
  const struct {
    const char* name;
    QString chosen;
    std::function<void()> before_write;
    QString kept;  // a file that must still hold the old content
  } rows[] = {
      // Writing past the limit fails for root too, halfway through the new content.
      {"a write cut short keeps the old file whole", old_file, [] { SetFileSizeLimit(1000); },
       old_file},
      {"the folder vanished after choosing", folder + QStringLiteral("/new.txt"),
       [folder] { QDir(folder).removeRecursively(); }, QString()},
      {"the folder became a file after choosing", folder + QStringLiteral("/new.txt"),
       [folder, old_content] {
         QDir(folder).removeRecursively();
         WriteBytes(folder, old_content);
       },
       folder},
  };
  Generate();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QFile::remove(folder);
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(old_file, old_content);
    ChooseInDialog(row.chosen, row.before_write);
    if (QFile::exists(row.chosen)) AnswerReplace(QMessageBox::Yes);
    Save();
    SetFileSizeLimit(RLIM_INFINITY);
    EXPECT_TRUE(at_open_.seen);
    EXPECT_EQ(Messages().filter(kHint), QStringList{kSaveFailed});
    if (!row.kept.isEmpty()) {
      EXPECT_EQ(FileBytes(row.kept), old_content);
    }
    // Nothing half-written is left beside it.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QFileInfo::exists(folder) ? QStringList{QStringLiteral("folder")} : QStringList());
    if (QFileInfo(folder).isDir()) {
      EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                QStringList{QStringLiteral("old.txt")});
    }
  }
  EXPECT_EQ(Table().size(), 4692u);
}

// What the save dialog remembers goes to the program's own folder, never into the home.
TEST_F(TableWindowTest, SavingLeavesNothingInTheUsersSettings) {
  Generate();
  ChooseInDialog(dir_.filePath(QStringLiteral("table.txt")));
  Save();
  ASSERT_TRUE(at_open_.seen);
  const QSettings qt_settings(QSettings::UserScope, QStringLiteral("QtProject"));
  // The dialog did keep its state, only elsewhere.
  EXPECT_TRUE(QFile::exists(qt_settings.fileName()));
  EXPECT_FALSE(qt_settings.fileName().startsWith(Home().Path()))
      << qt_settings.fileName().toStdString();
  for (const QString& folder : {Home().ConfigPath(), Home().Path() + QStringLiteral("/.config")}) {
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) ADD_FAILURE() << "settings written to " << files.next().toStdString();
  }
}

}  // namespace
}  // namespace quorbit::testing
