#include "support/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/tables.h"

namespace gs::test {

namespace {

const char* const kKinds[] = {"Form",  "Frame",    "TabControl", "TextBox", "ComboList", "ComboEdit",  "ListBox",
                              "CheckBox", "Button", "Label",      "PictureBox", "Image", "Shape", "FileDialog"};

std::string color(const std::optional<Rgb>& c) {
    if (!c) return "-";
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02X%02X%02X", c->r, c->g, c->b);
    return buf;
}

}  // namespace

std::string escaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') out += "\\\\";
        else if (c == '\t') out += "\\t";
        else if (c == '\n') out += "\\n";
        else if (static_cast<unsigned char>(c) >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
            out += hex;
        } else if (c != '\r') out += c;
        else if (i + 1 < text.size() && text[i + 1] == '\n') out += "\\r\\n\n    ", ++i;
        else out += "\\r";
    }
    return out;
}

namespace {

// A long text shown whole in a few lines: each line on its own, "\r\n" at
// its end, a byte that comes more than 8 times in a row as "x{4000}", and a
// line that comes N times in a row once, followed by " {N lines}".
std::string counted(const std::string& text) {
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find("\r\n", at), text.size());
        const std::string line = text.substr(at, end + 2 - at);  // with its CR LF
        std::size_t times = 1;
        while (end < text.size() && text.compare(at + times * line.size(), line.size(), line) == 0) ++times;
        out += "  ";
        for (std::size_t i = at, run = 1; i < end; i += run) {
            for (run = 1; i + run < end && text[i + run] == text[i];) ++run;
            out += run > 8 ? escaped(text.substr(i, 1)) + "{" + std::to_string(run) + "}" : escaped(text.substr(i, run));
        }
        out += (end < text.size() ? "\\r\\n" : "") + (times > 1 ? " {" + std::to_string(times) + " lines}" : "") + "\n";
        at += times * line.size();
    }
    return out;
}

}  // namespace

std::string folderShown(std::string out, const std::string& folder) {
#ifdef _WIN32
    replaceAll(out, escaped(folder), "{DIR}");
    replaceAll(out, folder, "{DIR}");
    // A path follows the folder, and starts a failure's cause (there it may
    // start with the separator, as paths under an empty Quillmap folder do).
    for (const char* start : {"{DIR}", "detail: "})
        for (std::size_t p = 0; (p = out.find(start, p)) != std::string::npos;)
            for (p += std::strlen(start); p < out.size() && out.find_first_of("\n\":", p) != p && out.compare(p, 2, "\\r");
                 ++p)
                if (out.compare(p, 2, "\\\\") == 0) out.replace(p, 2, "/");
#else
    replaceAll(out, folder, "{DIR}");
#endif
    return out;
}

std::string unescaped(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        if (c == 'x') {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
    }
    return out;
}

std::string state(const Control& c) {
    std::string s;
    if (auto* t = dynamic_cast<const TextBox*>(&c))
        s = t->text() + (t->selStart() ? " (caret " + std::to_string(t->selStart()) + ")" : "");
    else if (auto* l = dynamic_cast<const ListControl*>(&c))
        s = "[" + std::to_string(l->listIndex()) + "/" + std::to_string(l->listCount()) + "] " + l->text();
    else if (auto* b = dynamic_cast<const CheckBox*>(&c)) s = "value " + std::to_string(b->value());
    else if (auto* t = dynamic_cast<const TabControl*>(&c)) s = "page " + std::to_string(t->tab()) + " " + t->tabCaption(t->tab());
    else if (auto* p = dynamic_cast<const PictureBox*>(&c))
        s = p->picturePath() + " " + std::to_string(p->geometry().left) + "," + std::to_string(p->geometry().top) +
            " " + std::to_string(p->geometry().width) + "x" + std::to_string(p->geometry().height);
    else s = c.caption();
    if (c.font().underline) s += " (underlined)";
    if (c.foreColor() && !dynamic_cast<const TextBox*>(&c)) s += " (colour " + color(c.foreColor()) + ")";
    if (!c.toolTip().empty()) s += " (tip " + c.toolTip() + ")";
    if (!c.enabled()) s += " (disabled)";
    if (!c.visible()) s += " (hidden)";
    return escaped(s);
}

std::string layout(const std::vector<Control*>& controls) {
    std::ostringstream out;
    for (const Control* c : controls) {
        const Geometry& g = c->geometry();
        const Font& f = c->font();
        out << c->fullName() << " " << kKinds[static_cast<int>(c->kind())] << " in "
            << (c->container() ? c->container()->fullName() : "-") << " page " << c->page() << " at " << g.left << ","
            << g.top << " " << g.width << "x" << g.height << " font " << f.size << (f.bold ? " bold" : "")
            << (f.italic ? " italic" : "") << (f.underline ? " underline" : "") << " fore " << color(c->foreColor())
            << " back " << color(c->backColor()) << " align " << static_cast<int>(c->align())
            << (c->bordered() ? " bordered" : "") << (c->transparent() ? " transparent" : "");
        if (auto* t = dynamic_cast<const TextBox*>(c))
            out << (t->multiLine ? " multiline" : "") << (t->readOnly ? " readonly" : "") << (t->vScroll ? " vscroll" : "");
        if (auto* p = dynamic_cast<const PictureBox*>(c)) out << (p->stretch ? " stretch" : "");
        if (dynamic_cast<const CheckBox*>(c)) out << " caption \"" << escaped(c->caption()) << "\"";
        if (auto* t = dynamic_cast<const TabControl*>(c))
            for (int i = 0; i < t->tabCount(); ++i) out << " tab \"" << t->tabCaption(i) << "\"";
        if (auto* l = dynamic_cast<const ListControl*>(c); l && l->listCount() <= 60)
            for (const auto& item : l->items()) out << " | " << escaped(item);
        if (!c->toolTip().empty()) out << " tip \"" << escaped(c->toolTip()) << "\"";
        out << " = " << state(*c) << "\n";
    }
    return out.str();
}

Session::Session(const InstallationOptions& options) : Session(makeInstallation(options)) {}

Session::Session(std::string installation) : folder(std::move(installation)), platform(folder), app(platform) {}

Control& Session::at(const std::string& name) {
    Control* c = name == "Form1" ? &f : f.find(name);
    if (!c) throw std::runtime_error("no control " + name);
    return *c;
}

std::string Session::reported() {
    std::string out;
    auto dialog = [this](const char* what, DialogRequest r) {
#ifdef _WIN32
        // The folders under the installation with "/", as on POSIX.
        if (r.initDir.rfind(folder, 0) == 0) std::replace(r.initDir.begin() + folder.size(), r.initDir.end(), '\\', '/');
#endif
        return std::string("  ") + what + " dialog \"" + r.title + "\" name \"" + r.fileName + "\" in \"" + r.initDir +
               "\" filter \"" + r.filter + "\" " + std::to_string(r.filterIndex) + "\n";
    };
    // A command asks before it reports, so its questions come first.
    for (; questions_ < platform.questions.size(); ++questions_) {
        const Message& q = platform.questions[questions_];
        out += "  question \"" + q.title + "\": " + escaped(q.text) + " [" + q.detail + "]\n";
    }
    for (; messages_ < platform.messages.size(); ++messages_) {
        const Message& m = platform.messages[messages_];
        out += "  message \"" + m.title + "\": " + escaped(m.text) + "\n";
        if (!m.detail.empty()) out += "    detail: " + escaped(m.detail) + "\n";
    }
    for (; urls_ < platform.openedUrls.size(); ++urls_) out += "  opens " + platform.openedUrls[urls_] + "\n";
    for (; opens_ < platform.openRequests.size(); ++opens_) out += dialog("open", platform.openRequests[opens_]);
    for (; saves_ < platform.saveRequests.size(); ++saves_) out += dialog("save", platform.saveRequests[saves_]);
    return out;
}

std::string Session::run(const std::string& command) {
    std::istringstream in(command);
    std::string verb, name, out;
    in >> verb >> name;
    std::string rest;
    std::getline(in, rest);
    if (verb == "file" || verb == "rm" || verb == "answer" || verb == "reply") rest = " " + name + rest, name = rest.substr(1);
    if (!rest.empty()) rest = unescaped(rest.substr(1));
    replaceAll(rest, "{DIR}", folder);
    const std::string path = folder + "/" + name;
    if (verb == "start") app.start();
    else if (verb == "type") dynamic_cast<TextBox&>(at(name)).edit(rest);
    else if (verb == "index") dynamic_cast<ListControl&>(at(name)).setListIndex(std::stoi(rest));
    else if (verb == "pick") {
        auto& list = dynamic_cast<ListControl&>(at(name));
        const auto& items = list.items();
        const auto it = std::find(items.begin(), items.end(), rest);
        if (it == items.end()) throw std::runtime_error(name + " has no entry " + rest);
        list.setListIndex(static_cast<int>(it - items.begin()));
    } else if (verb == "click") {
        Control& c = at(name);
        for (int n = rest.empty() ? 1 : std::stoi(rest); n > 0; --n)
            if (auto* b = dynamic_cast<Button*>(&c)) b->click();
            else if (auto* k = dynamic_cast<CheckBox*>(&c)) k->click();
            else dynamic_cast<Label&>(c).click();
    } else if (verb == "paste") {
        std::string bytes, file;
        for (std::istringstream files(rest); files >> file;) bytes += readFile(folder + "/" + file);
        dynamic_cast<TextBox&>(at(name)).edit(bytes);
    } else if (verb == "counted") out = counted(dynamic_cast<TextBox&>(at(name)).text());
    else if (verb == "dblclick") dynamic_cast<ListBox&>(at(name)).dblClick();
    else if (verb == "tab") dynamic_cast<TabControl&>(at(name)).setTab(std::stoi(rest));
    else if (verb == "show") {
        for (std::istringstream names(command.substr(5)); names >> name;) out += "  " + name + " = " + state(at(name)) + "\n";
    } else if (verb == "items") {
        for (const auto& item : dynamic_cast<ListControl&>(at(name)).items()) out += "  | " + escaped(item) + "\n";
    } else if (verb == "file") {
        out = std::filesystem::exists(path) ? "  " + escaped(readFile(path)) + "<end>\n" : "  (no file)\n";
    } else if (verb == "write") writeFile(path, rest);
    else if (verb == "repeat") {
        const std::size_t gap = rest.find(' ');
        std::string bytes = std::filesystem::exists(path) ? readFile(path) : "";
        for (int i = std::stoi(rest.substr(0, gap)); i > 0; --i) bytes += rest.substr(gap + 1);
        writeFile(path, bytes);
    }
    else if (verb == "cell") {  // cell PATH ROW COLUMN TEXT: one cell of a table
        std::istringstream args(rest);
        int row = 0, column = 0;
        args >> row >> column;
        std::string text, bytes = readFile(path);
        std::getline(args, text);
        std::size_t start = 0, end = bytes.find("\r\n");  // only the row's own line is taken apart: tables are long
        for (int r = 0; r < row && end != std::string::npos; ++r) start = end + 2, end = bytes.find("\r\n", start);
        if (end == std::string::npos) throw std::runtime_error(name + " has no row " + std::to_string(row));
        Row cells(1);
        for (char ch : bytes.substr(start, end - start)) ch == '\t' ? cells.emplace_back() : cells.back() += ch;
        cells.at(column) = text.substr(1);
        writeFile(path, bytes.replace(start, end - start, joinRow(cells)));
    } else if (verb == "size") std::filesystem::resize_file(path, std::stoull(rest));
    else if (verb == "rm") std::filesystem::remove_all(path);
    else if (verb == "reply") platform.questionAnswers.push_back(rest == "yes");
    else if (verb == "tick") platform.tick();
    else if (verb == "close") app.close();
    else if (verb == "undo") app.undo();
    else if (verb == "redo") app.redo();
    else if (verb == "answer") {
#ifdef _WIN32
        std::replace(rest.begin(), rest.end(), '/', '\\');  // as a Windows dialog answers
#endif
        platform.dialogAnswers.push_back(rest == "cancel" ? std::nullopt : std::optional(rest));
    }
    else if (!verb.empty() && verb[0] != '#') throw std::runtime_error("unknown command " + command);
    out += reported();
    return folderShown(out, folder);
}

std::string runScript(const std::string& script) {
    std::optional<Session> s(std::in_place);
    std::string transcript;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("  ", 0) == 0) continue;
        transcript += line + "\n";
        if (line == "kill") {
            const std::string folder = s->folder;
            s.reset();
            s.emplace(folder);
            continue;
        }
        try {
            transcript += s->run(line);
        } catch (const std::exception& e) {
            transcript += std::string("  FAILED: ") + e.what() + "\n";
        }
    }
    return transcript;
}

std::string dataFile(const std::string& name) { return readFile(std::string(GS_TEST_DATA) + "/" + name); }

void expectDataFile(const std::string& name, const std::string& actual) {
    if (std::getenv("GS_TEST_RECORD")) writeFile(std::string(GS_TEST_DATA) + "/" + name, actual);
    EXPECT_EQ(actual, dataFile(name)) << "differs from tests/data/" << name;
}

}  // namespace gs::test
