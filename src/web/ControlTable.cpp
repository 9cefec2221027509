// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/ControlTable.h"

#include <utility>

#include "form/ControlIds.h"
#include "ui/AboutLayout.h"
#include "ui/BoxNames.h"
#include "ui/Descriptions.h"
#include "ui/Layout.h"
#include "ui/Strings.h"
#include "ui/SystemMenu.h"
#include "ui/WindowRules.h"
#include "web/JsonText.h"

namespace varnock::web {
namespace {

struct FlagName {
    ControlFlag flag;
    std::string_view name;
};

constexpr FlagName kFlagNames[] = {
    {kDefaultButton, "defaultButton"},
    {kIconFace, "iconFace"},
    {kTabStop, "tabStop"},
    {kHidden, "hidden"},
    {kPushLike, "pushLike"},
    {kNoMnemonic, "noMnemonic"},
    {kChangingCaption, "changingCaption"},
    {kShowsUnit, "showsUnit"},
};

struct KindName {
    ControlKind kind;
    std::string_view name;
};

constexpr KindName kKindNames[] = {
    {ControlKind::GroupBox, "group"},    {ControlKind::PushButton, "button"},
    {ControlKind::RadioButton, "radio"}, {ControlKind::CheckBox, "check"},
    {ControlKind::Edit, "edit"},         {ControlKind::MultiLineEdit, "pad"},
    {ControlKind::Label, "label"},
};

struct CommandName {
    SystemCommand command;
    std::string_view name;
};

constexpr CommandName kCommandNames[] = {
    {kCommandAbout, "about"},
    {kCommandStayOnTop, "stay-on-top"},
    {kCommandMinimize, "minimize"},
    {kCommandClose, "close"},
};

std::string_view kindName(ControlKind kind) {
    for (const KindName& named : kKindNames) {
        if (named.kind == kind) return named.name;
    }
    return "";
}

std::string_view commandName(SystemCommand command) {
    for (const CommandName& named : kCommandNames) {
        if (named.command == command) return named.name;
    }
    return "";
}

void writeRect(JsonText& json, std::string_view name, const DialogRect& rect) {
    json.key(name).beginArray().value(rect.x).value(rect.y).value(rect.width).value(rect.height);
    json.endArray();
}

std::string shownCaption(const ControlSpec& control) {
    return control.is(kNoMnemonic) ? std::string(control.caption) : plainCaption(control.caption);
}

// What a screen reader says for the control: a box is named by the caption
// of its frame or label; an icon face by what it does; the rest by their
// captions.
std::string accessibleName(const ControlSpec& control) {
    if (control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit) {
        return plainCaption(namingOf(control).caption);
    }
    if (control.is(kIconFace)) return std::string(describeControl(control.id));
    return shownCaption(control);
}

std::string mnemonicText(const ControlSpec& control) {
    const char mnemonic = control.is(kNoMnemonic) ? '\0' : mnemonicOf(control.caption);
    return mnemonic == 0 ? std::string() : std::string(1, mnemonic);
}

int panelIndex(const ControlSpec& control) {
    const ControlSpec* panel = panelOf(control);
    return panel == nullptr ? -1 : static_cast<int>(panel - controls().data());
}

void writeControl(JsonText& json, const ControlSpec& control) {
    json.beginObject()
        .member("id", control.id)
        .member("kind", kindName(control.kind))
        .member("caption", control.caption)
        .member("plain", shownCaption(control))
        .member("mnemonic", mnemonicText(control));
    writeRect(json, "rect", control.rect);
    json.member("group", control.radioGroup)
        .member("frame", plainCaption(control.frame))
        .member("partner", control.partner)
        .member("description", describeControl(control.id))
        .member("name", accessibleName(control))
        .member("panel", panelIndex(control))
        .member("takesClicks", takesClicks(control))
        .member("takesFocus", takesFocus(control))
        .member("copyable", isCopyableBox(control));
    json.key("flags").beginObject();
    for (const FlagName& named : kFlagNames) json.member(named.name, control.is(named.flag));
    json.endObject().endObject();
}

void writeFrame(JsonText& json, std::string_view name, const DialogFrame& frame) {
    json.key(name)
        .beginObject()
        .member("title", frame.title)
        .member("width", frame.width)
        .member("height", frame.height)
        .member("fontPoints", frame.fontPointSize)
        .endObject();
}

void writeMenu(JsonText& json) {
    json.key("menu").beginArray();
    for (const MenuEntry& entry : systemMenu()) {
        if (entry.isSeparator()) continue;
        json.beginObject()
            .member("command", commandName(entry.command))
            .member("text", plainCaption(entry.text))
            .endObject();
    }
    json.endArray();
}

void writeBoxMenu(JsonText& json) {
    const std::pair<std::string_view, std::string_view> entries[] = {
        {"copy", kCopyMenuEntry},
        {"copy-all", kCopyAllResultsMenuEntry},
        {"paste", kPasteMenuEntry}};
    json.key("boxMenu").beginArray();
    for (const auto& [command, text] : entries) {
        json.beginObject()
            .member("command", command)
            .member("text", plainCaption(text))
            .endObject();
    }
    json.endArray();
}

void writeAbout(JsonText& json) {
    json.key("about").beginObject();
    writeFrame(json, "frame", aboutBoxFrame());
    json.key("items").beginArray();
    for (const AboutItem& item : aboutBoxItems()) {
        json.beginObject()
            .member("id", item.id)
            .member("kind", item.kind == AboutItemKind::Picture         ? "picture"
                            : item.kind == AboutItemKind::DefaultButton ? "button"
                                                                        : "label")
            .member("text",
                    item.is(kNoMnemonic) ? std::string(item.text) : plainCaption(item.text));
        writeRect(json, "rect", item.rect);
        json.endObject();
    }
    json.endArray().endObject();
}

}  // namespace

std::string controlTableJson() {
    JsonText json;
    json.beginObject();
    writeFrame(json, "frame", mainWindowFrame());
    json.member("defaultButton", defaultButtonId());
    json.member("display", kDisplay).member("scratchPad", kScratchPad);
    json.member("appName", kAppName);
    json.key("controls").beginArray();
    for (const ControlSpec& control : controls()) writeControl(json, control);
    json.endArray();
    writeMenu(json);
    writeBoxMenu(json);
    writeAbout(json);
    json.endObject();
    return json.take();
}

}  // namespace varnock::web
