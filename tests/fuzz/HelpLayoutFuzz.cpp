// Fuzz target: arbitrary bytes read as the help file, and every topic of a book that reads laid
// out, scrolled to its end and painted in the help window on a headless desktop.
#include "FuzzSupport.h"
#include "platform/framework/help/HelpWindow.h"
#include "platform/framework/window/Application.h"
#include "platform/framework/window/Desktop.h"
#include "platform/headless/HeadlessBackend.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    std::optional<THelpBook> book = ReadHelpFile(data, size);
    if (!book || book->Topics.empty())
        return 0;
    // One desktop for the whole run: making one per input would measure the fonts' loading.
    static THeadlessSession* session = new THeadlessSession;
    static TApplication* app = new TApplication("help fuzz");
    (void)session;
    const i32 topics = static_cast<i32>(book->Topics.size());
    auto* help = new THelpWindow(nullptr, std::move(*book));
    if (!help->Create()) {
        delete help;
        return 0;
    }
    help->ShowWindow(SW_SHOWNORMAL);
    for (i32 topic = 0; topic < topics; ++topic) {
        if (!help->ShowTopic(topic))
            std::abort();
        const i32 width = help->TextArea().Width();
        i32 lastTop = 0;
        for (const THelpRun& run : help->GetRuns()) {
            // Runs lie inside the page and lead only to topics there are; the words go down
            // it line by line (a bullet's mark sits half a line into its first line).
            if (run.Link < -1 || run.Link >= topics || run.Box.left < 0 ||
                run.Box.right < run.Box.left || run.Box.bottom < run.Box.top ||
                run.Box.bottom > help->GetMaxScroll() + help->TextArea().Height() ||
                (!run.Text.empty() && run.Box.top < lastTop))
                std::abort();
            // Only a single word too long for any line may run past the edge.
            if (run.Box.right > width && run.Text.find(' ') != std::string::npos)
                std::abort();
            if (!run.Text.empty())
                lastTop = run.Box.top;
        }
        help->ScrollTo(1 << 30);
        if (help->GetScroll() != help->GetMaxScroll() || help->GetScroll() < 0)
            std::abort();
        help->UpdateWindow();
        help->ScrollTo(-(1 << 30));
        if (help->GetScroll() != 0)
            std::abort();
    }
    help->Destroy();
    delete help;
    app->PumpWaitingMessages();
    return 0;
}
