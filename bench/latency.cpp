// How long the window takes to answer each kind of user action, through real
// key and mouse events on the built Qt window: the time from the event to the
// window being idle again (every posted event handled, the paint included).
//   gs_latency [FILTER]    runs the cases whose name contains FILTER
// Each case runs five times; the median and the worst wall time are printed,
// then the median processor time, with the frame each should fit in: 16 ms
// at the test installation's sizes, 100 ms at hostile sizes. A case whose
// first run takes over 10 s runs once. Where a multi-line field takes in a
// long text in parts after the window has answered, a second line gives the
// time until the whole text is in and the longest stretch of the event loop
// meanwhile: what a key the user presses then waits for at most.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QtWidgets>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "model/table_reader.h"
#include "qt/form_view.h"
#include "qt/start_heap.h"
#include "qt/window_font.h"
#include "qt/text_area.h"
#include "support/fake_platform.h"
#include "support/installation.h"

namespace {

using namespace gs;

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// The editor started on an installation, both windows bound to Qt.
struct Window {
    explicit Window(const test::InstallationOptions& options = {}) : platform(test::makeInstallation(options)) {
        app.start();
        main.window()->activateWindow();
        if (!QTest::qWaitForWindowActive(main.window())) std::fputs("the window did not become active\n", stderr);
        settle();
    }
    QWidget* widget(const Control& c) const { return main.widget(c); }
    template <class W>
    W* as(const Control& c) const {
        return qobject_cast<W*>(widget(c));
    }
    QTabBar* bar(const TabControl& tab) const { return widget(tab)->findChild<QTabBar*>(); }
    void reveal(const Control& c) {
        if (!c.container()) return;
        reveal(*c.container());
        if (c.page() >= 0) static_cast<TabControl*>(c.container())->setTab(c.page());
        settle();
    }
    void click(const Control& c) { QTest::mouseClick(widget(c), Qt::LeftButton, {}, widget(c)->rect().center()); }
    void clickTab(const TabControl& tab, int page) {
        QTest::mouseClick(bar(tab), Qt::LeftButton, {}, bar(tab)->tabRect(page).center());
    }
    // The widget that takes a text box's keys, focused.
    QWidget* focusText(const Control& c) {
        reveal(c);
        QWidget* w = c.kind() == Kind::ComboEdit ? as<QComboBox>(c)->lineEdit() : widget(c);
        w->setFocus();
        settle();
        return w;
    }
    void type(QWidget* w, const QString& s) {
        for (QChar ch : s) QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    void paste(QWidget* w, const QString& s) {
        QGuiApplication::clipboard()->setText(s);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
    }

    test::FakePlatform platform;
    App app{platform};
    Form1& f = app.form;
    qt::FormView splash{app.splash};
    qt::FormView main{app.form};
};

struct Case {
    std::string name;
    double frameMs;
    // Builds the window for the case (not timed), then returns the action.
    std::function<std::function<void()>(Window&)> prepare;
    // Makes a fresh window for every run (the action changes what it meets).
    bool freshWindow = false;
    test::InstallationOptions options = {};
    // Reports what the runs gathered beside the case's own time.
    std::function<void()> report = nullptr;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The processor time the program has used, in ms: on a busy machine the
// wall time of an action also holds the time other programs ran.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void run(const Case& c) {
    std::vector<double> ms, cpu, filled, longest;
    std::optional<test::Message> said;
    std::unique_ptr<Window> window;
    std::function<void()> act;
    for (int i = 0; i < 5; ++i) {
        if (!window || c.freshWindow) {
            act = nullptr;
            window.reset();
            window = std::make_unique<Window>(c.options);
            act = c.prepare(*window);
            while (qt::anyTextFilling()) QCoreApplication::processEvents();
        }
        QElapsedTimer t;
        t.start();
        const double cpuBefore = cpuMs();
        act();
        settle();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        cpu.push_back(cpuMs() - cpuBefore);
        if (qt::anyTextFilling()) {
            double most = 0;
            while (qt::anyTextFilling()) {
                QElapsedTimer pass;
                pass.start();
                QCoreApplication::processEvents();
                most = std::max(most, double(pass.nsecsElapsed()) / 1e6);
            }
            filled.push_back(double(t.nsecsElapsed()) / 1e6);
            longest.push_back(most);
        }
        if (ms.front() > 10000) break;
        // A message box the action raised is answered before the next run;
        // the last one is named, so that a refusal is not taken for the work.
        if (!window->platform.messages.empty()) said = window->platform.messages.back();
        window->platform.messages.clear();
    }
    const double worst = *std::max_element(ms.begin(), ms.end());
    std::printf("%-58s %9.2f %9.2f %9.2f  %s\n", c.name.c_str(), median(ms), worst, median(cpu),
                worst <= c.frameMs ? "ok" : "SLOW");
    if (!filled.empty()) {
        const double most = *std::max_element(longest.begin(), longest.end());
        std::printf("    whole text in: %.2f ms median, %.2f worst; longest stretch meanwhile %.2f ms  %s\n",
                    median(filled), *std::max_element(filled.begin(), filled.end()), most,
                    most <= c.frameMs ? "ok" : "SLOW");
    }
    if (said) std::printf("    said: %s: %s\n", said->text.c_str(), said->detail.c_str());
    if (c.report) c.report();
    std::fflush(stdout);
}

std::string lines(int count, const std::string& line) {
    std::string s;
    for (int i = 0; i < count; ++i) s += line + "\r\n";
    return s;
}

constexpr double kFrame = 16, kHostile = 100;

std::vector<Case> cases() {
    std::vector<Case> all;

    // Typing one character into each kind of text box.
    const std::vector<std::pair<const char*, std::function<Control&(Form1&)>>> boxes = {
        {"single-line txtAuthor", [](Form1& f) -> Control& { return f.txtAuthor; }},
        {"single-line txtLandName", [](Form1& f) -> Control& { return f.txtLandName; }},
        {"single-line txtUnitID", [](Form1& f) -> Control& { return f.txtUnitID; }},
        {"multi-line txtGanFileDesc", [](Form1& f) -> Control& { return f.txtGanFileDesc; }},
        {"multi-line txtGarrison", [](Form1& f) -> Control& { return f.txtGarrison; }},
        {"multi-line txtGanFileFinal", [](Form1& f) -> Control& { return f.txtGanFileFinal; }},
        {"finder cboUnitFound", [](Form1& f) -> Control& { return f.cboUnitFound; }},
    };
    for (const auto& [name, pick] : boxes)
        all.push_back({std::string("type a character: ") + name, kFrame, [pick](Window& w) -> std::function<void()> {
                           QWidget* in = w.focusText(pick(w.f));
                           return [&w, in] { w.type(in, "a"); };
                       }});

    // Add to List, Submit and a double-click removal on the province names.
    auto addName = [](int entries) {
        return [entries](Window& w) -> std::function<void()> {
            w.reveal(w.f.lstNameList);
            w.f.lstNameList.addItems(std::vector<std::string>(entries, "\"Ys\""));
            w.f.txtLandName.setText("Ys");
            settle();
            return [&w] { w.click(w.f.cmdAddToNameList); };
        };
    };
    all.push_back({"Add to List (province name)", kFrame, addName(0)});
    all.push_back({"Add to List (province name) at 3,000 entries", kHostile, addName(3000)});
    auto removeName = [](int entries) {
        return [entries](Window& w) -> std::function<void()> {
            w.reveal(w.f.lstNameList);
            w.f.lstNameList.addItems(std::vector<std::string>(entries, "\"Ys\""));
            settle();
            return [&w] {
                auto* list = w.as<QListWidget>(w.f.lstNameList);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
            };
        };
    };
    all.push_back({"double-click removal (province name)", kFrame, removeName(10)});
    all.push_back({"double-click removal at 3,000 entries", kHostile, removeName(3000)});
    auto submitNames = [](int entries) {
        return [entries](Window& w) -> std::function<void()> {
            w.reveal(w.f.lstCommanderNameList);
            w.f.txtGarrison.setText("");
            w.f.lstCommanderNameList.addItems(std::vector<std::string>(entries, "\"Orlan\""));
            w.f.cmdAddCommanderName.setEnabled(true);
            settle();
            return [&w] { w.click(w.f.cmdAddCommanderName); };
        };
    };
    all.push_back({"Submit (commander names, 3 entries)", kFrame, submitNames(3), true});
    all.push_back({"Submit (commander names) at 3,000 entries", kHostile, submitNames(3000), true});

    // Apply Filters with every filter on.
    all.push_back({"Apply Filters (units, every filter on)", kFrame, [](Window& w) -> std::function<void()> {
                       for (Control* c : w.f.allControls())
                           if (c->kind() == Kind::CheckBox && c->container() == &w.f.fraUnitFinder &&
                               c->name().starts_with("chkU"))
                               static_cast<CheckBox*>(c)->setValue(CheckBox::Checked);
                       settle();
                       return [&w] { w.click(w.f.cmdUApplyFilters); };
                   }});
    all.push_back({"Apply Filters (sites, every filter on)", kFrame, [](Window& w) -> std::function<void()> {
                       w.reveal(w.f.cmdSApplyFilters);
                       for (CheckBox* c :
                            {&w.f.chkSTerrain, &w.f.chkSType, &w.f.chkSGems, &w.f.chkSStruct, &w.f.chkSRUnits,
                             &w.f.chkSSUnits, &w.f.chkSPBonus, &w.f.chkSSBonus, &w.f.chkSGBonus, &w.f.chkSScales})
                           c->setValue(CheckBox::Checked);
                       settle();
                       return [&w] { w.click(w.f.cmdSApplyFilters); };
                   }});

    // Opening each drop-down list, the first and the second time: one action
    // opens every list in turn, and each list's own time is reported.
    for (bool second : {false, true}) {
        auto times = std::make_shared<std::map<std::string, std::vector<double>>>();
        Case c{
            second ? "open every drop-down list in turn, second time" : "open every drop-down list in turn, first time",
            1e9, nullptr, true};
        c.prepare = [second, times](Window& w) -> std::function<void()> {
            auto boxes = std::make_shared<std::vector<QComboBox*>>();
            for (Control* ctl : w.f.allControls())
                if (ctl->kind() == Kind::ComboList || ctl->kind() == Kind::ComboEdit) {
                    w.reveal(*ctl);
                    auto* box = w.as<QComboBox>(*ctl);
                    if (!box->isEnabled()) ctl->setEnabled(true);
                    settle();
                    if (second) box->showPopup(), settle(), box->hidePopup(), settle();
                    boxes->push_back(box);
                }
            return [boxes, times] {
                for (QComboBox* box : *boxes) {
                    QElapsedTimer t;
                    t.start();
                    box->showPopup();
                    settle();
                    (*times)[box->objectName().toStdString()].push_back(double(t.nsecsElapsed()) / 1e6);
                    box->hidePopup();
                    settle();
                }
            };
        };
        c.report = [times, second] {
            for (const auto& [name, ms] : *times) {
                const double worst = *std::max_element(ms.begin(), ms.end());
                std::printf("  open %-20s %s %33.2f %9.2f  %s\n", name.c_str(), second ? "again" : "first", median(ms),
                            worst, worst <= kFrame ? "ok" : "SLOW");
            }
        };
        all.push_back(c);
    }

    // Changing each tab page.
    for (int page : {1, 2, 3, 0})
        all.push_back({"tab SSTab1 -> page " + std::to_string(page), kFrame,
                       [page](Window& w) -> std::function<void()> {
                           return [&w, page] {
                               w.clickTab(w.f.SSTab1, page);
                               settle();
                               // back, untimed below: the next run changes page again
                           };
                       },
                       true});
    for (int page = 1; page < 8; ++page)
        all.push_back({"tab SSTab2 -> page " + std::to_string(page), kFrame,
                       [page](Window& w) -> std::function<void()> {
                           w.reveal(w.f.SSTab2);
                           return [&w, page] { w.clickTab(w.f.SSTab2, page); };
                       },
                       true});
    all.push_back({"tab SSTab3 -> page 1", kFrame,
                   [](Window& w) -> std::function<void()> {
                       w.reveal(w.f.SSTab3);
                       return [&w] { w.clickTab(w.f.SSTab3, 1); };
                   },
                   true});

    // Entering Step 4, with the sample garrison and hostile ones.
    auto enterStep4 = [](std::string garrison) {
        return [garrison](Window& w) -> std::function<void()> {
            w.f.txtGarrison.setText(garrison);
            settle();
            return [&w] { w.clickTab(w.f.SSTab1, 3); };
        };
    };
    all.push_back({"enter Step 4", kFrame, enterStep4(lines(5, "#commander 1822")), true});
    all.push_back(
        {"enter Step 4 with a 20,000-line garrison", kHostile, enterStep4(lines(20000, "#commander 1822")), true});

    // Save As to a file.
    all.push_back({"Save As to a file", kFrame, [](Window& w) -> std::function<void()> {
                       w.reveal(w.f.cmdSaveAs);
                       w.f.txtGarrison.setText(lines(5, "#commander 1822"));
                       return [&w] {
                           w.platform.dialogAnswers.push_back(test::makeTempFolder() + "/god.gs");
                           w.click(w.f.cmdSaveAs);
                       };
                   }});

    all.push_back({"Clear All", kFrame, [](Window& w) -> std::function<void()> {
                       w.reveal(w.f.cmdClearAll);
                       return [&w] { w.click(w.f.cmdClearAll); };
                   }});

    // Opening a god file with "Load": the sample's size, the most lines
    // Step 4 shows, the most the editor writes, more lines than that and a
    // 1 MB line.
    auto openFile = [](std::string bytes, bool step3Seen = false) {
        return [bytes, step3Seen](Window& w) -> std::function<void()> {
            const std::string path = test::makeTempFolder() + "/opened.god";
            test::writeFile(path, bytes);
            if (step3Seen) w.reveal(w.f.txtGarrison);
            w.reveal(w.f.cmdLoad);
            return [&w, path] {
                w.platform.dialogAnswers.push_back(path);
                w.click(w.f.cmdLoad);
            };
        };
    };
    all.push_back({"open a god file", kFrame, openFile(lines(5, "#commander 1822")), true});
    all.push_back({"open a god file of 20,000 lines", kHostile, openFile(lines(kMaxLines, "#commander 1822")), true});
    all.push_back({"open a god file of 20,000 lines, Step 3 seen before", kHostile,
                   openFile(lines(kMaxLines, "#commander 1822"), true), true});
    // The most the editor writes: full description and garrison boxes, one
    // line of each at the longest, and the longest lines it opens.
    {
        const std::string longest(kMaxLineLength, 'x');
        const std::string largest = "--Description: \r\n" + lines(kMaxLines - 1, "--Old") + "--" + longest +
                                    "\r\n\r\n@1 landname\r\n\"" + longest + "\"\r\n" +
                                    lines(kMaxLines - 1, "#commander 1822") + longest + "\r\n\r\n";
        all.push_back({"open the largest province the boxes allow", kHostile, openFile(largest), true});
        // Every list full as well: the most lines a composed province has.
        std::string full = "--Description: \r\n" + lines(kMaxLines - 1, "--Old") + "--" + longest + "\r\n--\r\n\r\n" +
                           "@" + std::to_string(kMaxNameEntries) + " landname\r\n" + lines(kMaxNameEntries, "\"Ys\"") +
                           "#population 5000\r\n#poptype 1 --Marsh Folk\r\n" + "#killfeatures\r\n";
        for (int i = 0; i < 4; ++i)
            full += "@" + std::to_string(kMaxSiteEntries) + " feature\r\n" + lines(kMaxSiteEntries, "\"Ashen Forge\"");
        full += "\r\n#commander 1822 --\xC6ther Drake\r\n@19997 comname\r\n" + lines(19997, "\"Mossguard\"");
        all.push_back({"open the largest province every action allows", kHostile, openFile(full), true});

        // Both boxes at their most bytes as well as their most lines.
        const auto fullBox = [](const std::string& start, char fill) {
            const std::size_t shortest = (kMaxBoxBytes - 2 * (kMaxLines - 1)) / kMaxLines;
            std::size_t longer = kMaxBoxBytes - 2 * (kMaxLines - 1) - shortest * kMaxLines;
            std::vector<std::string> box;
            for (int i = 0; i < kMaxLines; ++i, longer -= longer > 0)
                box.push_back(start + std::string(shortest + (longer > 0) - start.size(), fill));
            return box;
        };
        // The names at their most bytes too: 6713 of 68 bytes and 1012 of 67.
        const std::string names = lines(6713, "\"" + std::string(66, 'y') + "\"") +
                                  lines(kMaxNameEntries - 6713, "\"" + std::string(65, 'y') + "\"");
        const auto heavy = [&](const std::string& sites) {
            std::string text = "--Description: \r\n";
            for (const std::string& line : fullBox("", 'd')) text += "--" + line + "\r\n";
            text += "\r\n@" + std::to_string(kMaxNameEntries) + " landname\r\n" + names +
                    "#population 5000\r\n#poptype 1 --Marsh Folk\r\n" + "#killfeatures\r\n";
            for (int i = 0; i < 4; ++i)
                text += "@" + std::to_string(kMaxSiteEntries) + " feature\r\n" + sites;
            const std::vector<std::string> garrisonLines = fullBox("#comname ", 'g');
            for (std::size_t i = 0; i < garrisonLines.size(); ++i)
                text += garrisonLines[i] + (i + 1 < garrisonLines.size() ? "\r\n" : "");
            return text + "\r\n";
        };
        const std::string heaviest = heavy(lines(kMaxSiteEntries, "\"Ashen Forge\""));
        all.push_back(
            {"open the largest province, boxes and names at their most bytes", kHostile, openFile(heaviest), true});
        // The site lists at their most bytes too, with entries of the longest
        // a site's name makes (a site the table does not hold opens too): 32
        // of 4002 bytes and 534 of 4 in each.
        all.push_back({"open the largest province, every part at its most bytes", kHostile,
                       openFile(heavy(lines(32, "\"" + std::string(kMaxLineLength, 's') + "\"") +
                                      lines(kMaxSiteEntries - 32, "\"Ys\""))),
                       true});
        // The same province opened, then Step 1 shown: entering Step 4, and Save As.
        auto opened = [heaviest](std::function<void(Window&)> act) {
            return [heaviest, act](Window& w) -> std::function<void()> {
                const std::string path = test::makeTempFolder() + "/heaviest.god";
                test::writeFile(path, heaviest);
                w.reveal(w.f.cmdLoad);
                w.platform.dialogAnswers.push_back(path);
                w.click(w.f.cmdLoad);
                settle();
                return [&w, act] { act(w); };
            };
        };
        all.push_back({"enter Step 4, the largest province at its most bytes", kHostile, [opened](Window& w) {
                           auto run = opened([](Window& v) { v.clickTab(v.f.SSTab1, 3); })(w);
                           w.clickTab(w.f.SSTab1, 0);
                           settle();
                           return run;
                       },
                       true});
        all.push_back({"type a character into Step 4, the largest province at its most bytes", kHostile,
                       [opened](Window& w) {
                           opened([](Window&) {})(w);
                           QWidget* in = w.focusText(w.f.txtGanFileFinal);
                           return [&w, in] { w.type(in, "a"); };
                       },
                       true});
        all.push_back({"Save As, the largest province at its most bytes", kHostile,
                       opened([](Window& v) {
                           v.platform.dialogAnswers.push_back(test::makeTempFolder() + "/saved.god");
                           v.click(v.f.cmdSaveAs);
                       }),
                       true});
    }
    all.push_back({"open a god file of 50,000 lines (the most opened)", kHostile,
                   openFile(lines(50000, "#commander 1822")), true});
    all.push_back({"open a god file of 50,000 lines of 4018 bytes", kHostile,
                   openFile(lines(50000, std::string(4018, 'w'))), true});
    // Just inside the read limit, refused after reading: a garrison, and names.
    all.push_back({"open a god file of 785 lines of 4000 bytes (refused, garrison)", kHostile,
                   openFile(lines(785, std::string(kMaxLineLength, 'w'))), true});
    all.push_back({"open a god file of 785 names of 4000 bytes (refused, names)", kHostile,
                   openFile("@785 landname\r\n" + lines(785, "\"" + std::string(kMaxLineLength, 'n') + "\"") +
                            "\r\n"),
                   true});
    all.push_back({"open a god file of 60,000 lines", kHostile, openFile(lines(60000, "#commander 1822")), true});
    all.push_back({"open a god file of 100,000 lines", kHostile, openFile(lines(100000, "#commander 1822")), true});
    all.push_back({"open a god file with a 1 MB line", kHostile, openFile(std::string(1000000, 'x')), true});

    // Hostile pastes and typing into a grown box.
    auto pasteInto = [](std::function<Control&(Form1&)> pick, QString text) {
        return [pick, text](Window& w) -> std::function<void()> {
            QWidget* in = w.focusText(pick(w.f));
            return [&w, in, text] {
                QTest::keyClick(in, Qt::Key_A, Qt::ControlModifier);
                w.paste(in, text);
            };
        };
    };
    const QString hundredThousand = QString::fromLatin1(lines(100000, "#commander 1822").c_str());
    const QString megabyteLine(1 << 20, QLatin1Char('x'));
    auto garrison = [](Form1& f) -> Control& { return f.txtGarrison; };
    auto description = [](Form1& f) -> Control& { return f.txtGanFileDesc; };
    auto landName = [](Form1& f) -> Control& { return f.txtLandName; };
    all.push_back({"paste 100,000 lines into txtGarrison", kHostile, pasteInto(garrison, hundredThousand), true});
    all.push_back({"paste 100,000 lines into txtGanFileDesc", kHostile, pasteInto(description, hundredThousand), true});
    const QString mostLines = QString::fromLatin1(lines(kMaxLines - 1, "#commander 1822").c_str());
    all.push_back(
        {"paste 19,999 lines (the most taken) into txtGarrison", kHostile, pasteInto(garrison, mostLines), true});
    all.push_back({"paste a 1 MB line into txtGarrison", kHostile, pasteInto(garrison, megabyteLine), true});
    all.push_back({"paste a 1 MB line into txtGanFileDesc", kHostile, pasteInto(description, megabyteLine), true});
    all.push_back({"paste a 1 MB line into txtLandName", kHostile, pasteInto(landName, megabyteLine), true});
    all.push_back({"type a character into a 20,000-line txtGarrison", kHostile, [](Window& w) -> std::function<void()> {
                       QWidget* in = w.focusText(w.f.txtGarrison);
                       w.f.txtGarrison.setText(lines(20000, "#commander 1822"));
                       settle();
                       return [&w, in] { w.type(in, "a"); };
                   }});

    // The longest cells the readers accept: a unit name and a name-list name.
    {
        std::vector<test::Row> units = test::defaultUnitRows();
        units[0][1] = std::string(2 << 20, 'U');
        Case c{"pick a unit with a 2 MB name", kHostile,
               [](Window& w) -> std::function<void()> { return [&w] { w.f.cboUnitFound.setListIndex(0); }; }};
        c.freshWindow = true;
        c.options.files[test::kUnitFile] = test::tableText(units);
        all.push_back(c);
    }
    {
        Case c{"pick a name-list name of 5 MB, then enter Step 4", kHostile, [](Window& w) -> std::function<void()> {
                   w.reveal(w.f.cboNameDataList);
                   return [&w] {
                       auto* box = w.as<QComboBox>(w.f.cboNameDataList);
                       box->showPopup();
                       settle();
                       QTest::keyClick(box->view(), Qt::Key_Down);
                       QTest::keyClick(box->view(), Qt::Key_Return);
                       settle();
                       w.clickTab(w.f.SSTab1, 3);
                   };
               }};
        c.freshWindow = true;
        c.options.files[test::kNameListFile] = "Ys_DATA2\r\n" + std::string(5 << 20, 'N') + "_DATA2\r\n";
        all.push_back(c);
    }
    {
        std::string names;
        for (int i = 0; i < kMaxListNames; ++i) names += "Isle" + std::to_string(i) + "_DATA2\r\n";
        Case c{"open a name list of 10,000 entries (the most read)", kHostile, [](Window& w) -> std::function<void()> {
                   w.reveal(w.f.cboNameDataList);
                   settle();
                   return [&w] {
                       auto* box = w.as<QComboBox>(w.f.cboNameDataList);
                       box->showPopup();
                       settle();
                       box->hidePopup();
                   };
               }};
        c.freshWindow = true;
        c.options.files[test::kNameListFile] = names;
        all.push_back(c);
    }
    return all;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The heap as the editor has it after its start.
    gs::qt::growHeapForStart(argc, argv);
    // The offscreen platform says at every popup that it cannot raise a
    // window or grab the keyboard; that is no news to the reader.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
        if (!text.contains("does not support")) std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    gs::qt::deferSystemFonts();  // fonts as the editor has them
    QApplication application(argc, argv);
    gs::qt::endHeapForStart();
    const std::string filter = argc > 1 ? argv[1] : "";
    std::printf("%-58s %9s %9s %9s\n", "action (ms, 5 runs)", "median", "worst", "cpu");
    for (const Case& c : cases())
        if (c.name.find(filter) != std::string::npos) run(c);
    return 0;
}
