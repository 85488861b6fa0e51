// A platform for tests: records every message box and opened address,
// answers file dialogs from a script, and runs its repeating tasks when the
// test lets time pass (tick).
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "window/platform.h"

namespace gs::test {

struct Message {
    std::string text;
    std::string title;
    std::string detail;
};

class FakePlatform : public Platform {
public:
    explicit FakePlatform(std::string programFolder = {}) : folder(std::move(programFolder)) {}

    void messageBox(const std::string& text, const std::string& title, const std::string& detail) override {
        messages.push_back({text, title, detail});
    }
    // Recorded in questions (detail: "accept|reject"); answered from
    // questionAnswers, else accepted.
    bool questionBox(const std::string& text, const std::string& title, const std::string& accept,
                     const std::string& reject) override {
        questions.push_back({text, title, accept + "|" + reject});
        return next(questionAnswers, true);
    }
    std::optional<std::string> openFileDialog(const DialogRequest& request) override {
        openRequests.push_back(request);
        return next(dialogAnswers, {});
    }
    std::optional<std::string> saveFileDialog(const DialogRequest& request) override {
        saveRequests.push_back(request);
        return next(dialogAnswers, {});
    }
    void openUrl(const std::string& address) override { openedUrls.push_back(address); }
    // Reads a stand-in picture file (see writePicture); anything else is unreadable.
    std::optional<PictureSize> pictureSize(const std::string& path) override;
    std::string programFolder() override { return folder; }
    void repeat(int milliseconds, std::function<void()> task) override {
        repeating.push_back({milliseconds, std::move(task)});
    }
    // Time passes: every repeating task runs once.
    void tick() {
        for (std::size_t i = 0; i < repeating.size(); ++i) repeating[i].task();
    }

    std::string folder;
    std::vector<Message> messages;
    std::vector<Message> questions;
    std::vector<DialogRequest> openRequests;
    std::vector<DialogRequest> saveRequests;
    std::vector<std::string> openedUrls;
    // Answers for the next dialogs, in order; nullopt = the user cancels.
    // With no answer left, a dialog is cancelled.
    std::deque<std::optional<std::string>> dialogAnswers;
    // Answers for the next question boxes (true = accept), in order.
    std::deque<bool> questionAnswers;
    struct Repeating {
        int milliseconds;
        std::function<void()> task;
    };
    std::vector<Repeating> repeating;

private:
    template <class T>
    static T next(std::deque<T>& answers, T otherwise) {
        if (answers.empty()) return otherwise;
        T a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Writes a stand-in picture file that FakePlatform reads as width x height pixels.
void writePicture(const std::string& path, int width, int height);

}  // namespace gs::test
