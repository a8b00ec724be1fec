#include "editor/form1.h"

namespace quill {

Form1::Form1(Toolkit& toolkit, RegistryStore& store, const AnsiCodec& codec)
    : toolkit_(toolkit), store_(store), codec_(codec) {
    toolkit_.SetEventSink(this);
}

Form1::~Form1() {
    toolkit_.SetEventSink(nullptr);
}

void Form1::Form_Load() {}

void Form1::OnEvent(std::string_view, ControlEvent) {}

}  // namespace quill
