#pragma once

// Services for tests: every message is recorded and answered without a
// dialog, every effect and every text read aloud recorded instead of heard;
// printing is real.

#include "Services.h"
#include "Stage.h"

#include <QStringList>

#include <memory>

namespace terralore::test {

class FakeServices final : public Services {
public:
    QStringList messages;
    QStringList effects;
    MsgResult answer = MsgResult::OK;
    // When set, answers in place of answer.
    std::function<MsgResult()> answerer;
    // Effects are also played on the real sound device.
    bool soundThroughDevice = false;
    // What the file dialogs answer (empty: cancelled), and the save filter.
    QString fileToOpen, fileToSave, saveFilter;
    // Texts read aloud, in order; whether there is speech; stops asked for.
    QStringList spoken;
    bool speechReady = true;
    int speechStops = 0;
    // Whether a screen reader is said to be on.
    bool screenReader = false;

    MsgResult showMessage(const QString &prompt, MsgButtons) override
    {
        messages << prompt;
        return answerer ? answerer() : answer;
    }
    void playEffect(const QString &relativePath) override
    {
        effects << relativePath;
        if (soundThroughDevice)
            m_desktop->playEffect(relativePath);
    }
    void prepareEffect(const QString &) override {}
    bool speechAvailable() override { return speechReady; }
    void speak(const QString &text) override { spoken << text; }
    void stopSpeaking() override { ++speechStops; }
    void prepareSpeech() override {}
    bool screenReaderRunning() override { return screenReader; }
    // A file dialog is recorded by its caption.
    QString chooseFileToOpen(const QString &caption, const QString &) override
    {
        messages << caption;
        return fileToOpen;
    }
    QString chooseFileToSave(const QString &caption, const QString &, const QString &, QString &filter) override
    {
        messages << caption;
        filter = saveFilter;
        return fileToSave;
    }
    bool print(const std::function<void(PrintSurface &)> &document) override { return m_desktop->print(document); }

    void clear()
    {
        messages.clear();
        effects.clear();
        answer = MsgResult::OK;
        soundThroughDevice = false;
        fileToOpen.clear();
        fileToSave.clear();
        saveFilter.clear();
        spoken.clear();
        speechReady = true;
        speechStops = 0;
        screenReader = false;
    }

    // Puts a fresh set on the stage and returns it; the stage owns it.
    static FakeServices &install()
    {
        auto services = std::make_unique<FakeServices>();
        FakeServices &installed = *services;
        Stage::instance().setServices(std::move(services));
        return installed;
    }

private:
    std::unique_ptr<Services> m_desktop = makeDesktopServices();
};

} // namespace terralore::test
