// The editor's own work inside the real Windows toolkit: the program's share
// of start-up, the drawing of one title-bar preview, rendered into the
// picture box's retained image and shown, a caption face choice (both
// previews in the new face), one Apply (42 writes) against Wine's real
// registry, and the repaint part of a colour choice (swatch recoloured,
// preview redrawn, both shown on screen).
// Note: Apply writes the scheme the window shows into this prefix's registry.

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "editor/form1.h"
#include "preview/titlebar_preview.h"
#include "win32/program/editor_start.h"
#include "win32/services/wide_text.h"
#include "win32/services/windows_ansi_codec.h"
#include "win32/services/windows_registry.h"
#include "win32/window/form_design.h"
#include "win32/window/form_window.h"

namespace {

using quill::bench::Median;
using quill::bench::NowMs;

// Runs work `count` times and returns each run's time in milliseconds.
std::vector<double> Time(int count, const std::function<void(int)>& work) {
    std::vector<double> samples;
    samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double start = NowMs();
        work(i);
        samples.push_back(NowMs() - start);
    }
    return samples;
}

void Report(const char* what, const std::vector<double>& samples, const char* target) {
    std::printf("%s median: %.3f ms (min %.3f, max %.3f, %zu runs; target %s)\n", what,
                Median(samples), quill::bench::Min(samples), quill::bench::Max(samples),
                samples.size(), target);
}

}  // namespace

int main() {
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    // The program's own share of start-up: the window and its controls, then
    // start-up (reads, font lists, previews), then showing it.
    const double created = NowMs();
    quill::win32::FormWindow toolkit;
    const double loading = NowMs();
    quill::win32::WindowsRegistry store;
    quill::win32::WindowsAnsiCodec codec;
    std::optional<quill::Form1> form;
    if (!quill::win32::StartEditor(toolkit, store, codec, form)) {
        std::printf("start-up failed\n");
        return 1;
    }
    const double loaded = NowMs();
    toolkit.Show();
    UpdateWindow(toolkit.Handle());
    std::printf(
        "in-process start-up: window and controls %.1f ms, start-up %.1f ms (font "
        "list of %d faces), show %.1f ms\n",
        loading - created, loaded - loading, toolkit.Screen().FontCount(), NowMs() - loaded);

    quill::PictureBox& activePic = toolkit.PictureNamed("ActivePic");
    quill::Label& startSwatch = toolkit.LabelNamed("ActiveTitleBar");
    auto drawPreview = [&](quill::Color start) {
        quill::PaintGradient(activePic, quill::SplitColor(start), {166, 202, 240});
        quill::DrawCaptionText(activePic, toolkit.Text(quill::TextId::ActivePreviewCaption));
    };

    // The box renders its drawing when it is shown: drawn, then painted.
    const HWND activeWindow = GetDlgItem(toolkit.Handle(), quill::win32::ControlIdOf("ActivePic"));
    Report("one title-bar preview drawing, shown",
           Time(200,
                [&](int i) {
                    drawPreview(quill::Rgb(i % 256, 36, 106));
                    RedrawWindow(activeWindow, nullptr, nullptr, RDW_UPDATENOW);
                }),
           "< 1 ms");
    Report("caption face choice (two previews)",
           Time(50, [&](int) { form->OnEvent("fontCmb", quill::ControlEvent::ListChoice); }),
           "none");
    Report("one Apply (42 writes)",
           Time(30, [&](int) { form->OnEvent("btnApply", quill::ControlEvent::Click); }),
           "< 20 ms");
    // In UTF-8, which a terminal shows in any language (%ls gives the code page's).
    const std::wstring caption = quill::win32::ToWide(toolkit.Caption());
    std::string utf8(4 * caption.size(), '\0');
    utf8.resize(::WideCharToMultiByte(CP_UTF8, 0, caption.data(), static_cast<int>(caption.size()),
                                      utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                      nullptr));
    std::printf("Apply caption: %s\n", utf8.c_str());

    // What the active title bar's swatch click does after the dialog returns
    // a colour: the swatch takes it, the preview is redrawn, and the window
    // shows both (the paint messages are handled here, at once).
    Report("colour-choice repaint",
           Time(100,
                [&](int i) {
                    startSwatch.SetBackColor(quill::Rgb(200, (i * 7) % 256, 10));
                    drawPreview(startSwatch.BackColor());
                    RedrawWindow(toolkit.Handle(), nullptr, nullptr,
                                 RDW_UPDATENOW | RDW_ALLCHILDREN);
                }),
           "none");

    toolkit.Unload();
    return 0;
}
