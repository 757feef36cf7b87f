// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrkeyserver.h"

#include <QChar>
#include <QHash>
#include <QKeySequence>
#include <QStringList>

#include <X11/Xlib.h>

namespace {

struct KeyName {
    const char *keysym;
    int qtKey;
};

// Keysyms of keys that do not stand for a character. Where X has several
// keysyms for one Qt key, the first one listed is the one written: the key
// the keyboard really sends, so that the window manager can grab it.
const KeyName specialKeys[] = {
    {"Escape", Qt::Key_Escape},
    {"Tab", Qt::Key_Tab},
    {"ISO_Left_Tab", Qt::Key_Backtab},
    {"BackSpace", Qt::Key_Backspace},
    {"Return", Qt::Key_Return},
    {"Insert", Qt::Key_Insert},
    {"Delete", Qt::Key_Delete},
    {"Pause", Qt::Key_Pause},
    {"Print", Qt::Key_Print},
    {"Sys_Req", Qt::Key_SysReq},
    {"Home", Qt::Key_Home},
    {"End", Qt::Key_End},
    {"Left", Qt::Key_Left},
    {"Up", Qt::Key_Up},
    {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},
    {"Prior", Qt::Key_PageUp},
    {"Next", Qt::Key_PageDown},
    {"Shift_L", Qt::Key_Shift},
    {"Shift_R", Qt::Key_Shift},
    {"Control_L", Qt::Key_Control},
    {"Control_R", Qt::Key_Control},
    {"Meta_L", Qt::Key_Meta},
    {"Meta_R", Qt::Key_Meta},
    {"Alt_L", Qt::Key_Alt},
    {"Alt_R", Qt::Key_Alt},
    {"Caps_Lock", Qt::Key_CapsLock},
    {"Num_Lock", Qt::Key_NumLock},
    {"Scroll_Lock", Qt::Key_ScrollLock},
    {"Super_L", Qt::Key_Super_L},
    {"Super_R", Qt::Key_Super_R},
    {"Menu", Qt::Key_Menu},
    {"Hyper_L", Qt::Key_Hyper_L},
    {"Hyper_R", Qt::Key_Hyper_R},
    {"Help", Qt::Key_Help},
    {"Select", Qt::Key_Select},
    {"Execute", Qt::Key_Execute},
    {"Undo", Qt::Key_Undo},
    {"Redo", Qt::Key_Redo},
    {"Find", Qt::Key_Find},
    {"Cancel", Qt::Key_Cancel},
    {"Clear", Qt::Key_Delete},
    {"ISO_Level3_Shift", Qt::Key_AltGr},
    {"Multi_key", Qt::Key_Multi_key},
    {"Codeinput", Qt::Key_Codeinput},
    {"SingleCandidate", Qt::Key_SingleCandidate},
    {"MultipleCandidate", Qt::Key_MultipleCandidate},
    {"PreviousCandidate", Qt::Key_PreviousCandidate},
    {"Mode_switch", Qt::Key_Mode_switch},
    {"Kanji", Qt::Key_Kanji},
    {"Muhenkan", Qt::Key_Muhenkan},
    {"Henkan", Qt::Key_Henkan},
    {"Romaji", Qt::Key_Romaji},
    {"Hiragana", Qt::Key_Hiragana},
    {"Katakana", Qt::Key_Katakana},
    {"Hiragana_Katakana", Qt::Key_Hiragana_Katakana},
    {"Zenkaku", Qt::Key_Zenkaku},
    {"Hankaku", Qt::Key_Hankaku},
    {"Zenkaku_Hankaku", Qt::Key_Zenkaku_Hankaku},
    {"Touroku", Qt::Key_Touroku},
    {"Massyo", Qt::Key_Massyo},
    {"Kana_Lock", Qt::Key_Kana_Lock},
    {"Kana_Shift", Qt::Key_Kana_Shift},
    {"Eisu_Shift", Qt::Key_Eisu_Shift},
    {"Eisu_toggle", Qt::Key_Eisu_toggle},
    {"Hangul", Qt::Key_Hangul},
    {"Hangul_Start", Qt::Key_Hangul_Start},
    {"Hangul_End", Qt::Key_Hangul_End},
    {"Hangul_Hanja", Qt::Key_Hangul_Hanja},
    {"Hangul_Jamo", Qt::Key_Hangul_Jamo},
    {"Hangul_Romaja", Qt::Key_Hangul_Romaja},
    {"Hangul_Jeonja", Qt::Key_Hangul_Jeonja},
    {"Hangul_Banja", Qt::Key_Hangul_Banja},
    {"Hangul_PreHanja", Qt::Key_Hangul_PreHanja},
    {"Hangul_PostHanja", Qt::Key_Hangul_PostHanja},
    {"Hangul_Special", Qt::Key_Hangul_Special},
    // Media, launcher and other keys of X.org's XF86 set.
    {"XF86Back", Qt::Key_Back},
    {"XF86Forward", Qt::Key_Forward},
    {"XF86Stop", Qt::Key_Stop},
    {"XF86Refresh", Qt::Key_Refresh},
    {"XF86Favorites", Qt::Key_Favorites},
    {"XF86AudioMedia", Qt::Key_LaunchMedia},
    {"XF86OpenURL", Qt::Key_OpenUrl},
    {"XF86HomePage", Qt::Key_HomePage},
    {"XF86Search", Qt::Key_Search},
    {"XF86AudioLowerVolume", Qt::Key_VolumeDown},
    {"XF86AudioMute", Qt::Key_VolumeMute},
    {"XF86AudioRaiseVolume", Qt::Key_VolumeUp},
    {"XF86AudioPlay", Qt::Key_MediaPlay},
    {"XF86AudioStop", Qt::Key_MediaStop},
    {"XF86AudioPrev", Qt::Key_MediaPrevious},
    {"XF86AudioNext", Qt::Key_MediaNext},
    {"XF86AudioRecord", Qt::Key_MediaRecord},
    {"XF86AudioPause", Qt::Key_MediaPause},
    {"XF86Mail", Qt::Key_LaunchMail},
    {"XF86MyComputer", Qt::Key_Launch0},
    // Qt reports the calculator key as "Launch (1)"; both Qt keys stand for
    // the one keysym, which reads back as the calculator.
    {"XF86Calculator", Qt::Key_Launch1},
    {"XF86Calculator", Qt::Key_Calculator},
    {"XF86Calculater", Qt::Key_Calculator},
    {"XF86Memo", Qt::Key_Memo},
    {"XF86ToDoList", Qt::Key_ToDoList},
    {"XF86Calendar", Qt::Key_Calendar},
    {"XF86PowerDown", Qt::Key_PowerDown},
    {"XF86ContrastAdjust", Qt::Key_ContrastAdjust},
    {"XF86Standby", Qt::Key_Standby},
    {"XF86MonBrightnessUp", Qt::Key_MonBrightnessUp},
    {"XF86MonBrightnessDown", Qt::Key_MonBrightnessDown},
    {"XF86KbdLightOnOff", Qt::Key_KeyboardLightOnOff},
    {"XF86KbdBrightnessUp", Qt::Key_KeyboardBrightnessUp},
    {"XF86KbdBrightnessDown", Qt::Key_KeyboardBrightnessDown},
    {"XF86PowerOff", Qt::Key_PowerOff},
    {"XF86WakeUp", Qt::Key_WakeUp},
    {"XF86Eject", Qt::Key_Eject},
    {"XF86ScreenSaver", Qt::Key_ScreenSaver},
    {"XF86WWW", Qt::Key_WWW},
    {"XF86Sleep", Qt::Key_Sleep},
    {"XF86LightBulb", Qt::Key_LightBulb},
    {"XF86Shop", Qt::Key_Shop},
    {"XF86History", Qt::Key_History},
    {"XF86AddFavorite", Qt::Key_AddFavorite},
    {"XF86HotLinks", Qt::Key_HotLinks},
    {"XF86BrightnessAdjust", Qt::Key_BrightnessAdjust},
    {"XF86Finance", Qt::Key_Finance},
    {"XF86Community", Qt::Key_Community},
    {"XF86AudioRewind", Qt::Key_AudioRewind},
    {"XF86BackForward", Qt::Key_BackForward},
    {"XF86ApplicationLeft", Qt::Key_ApplicationLeft},
    {"XF86ApplicationRight", Qt::Key_ApplicationRight},
    {"XF86Book", Qt::Key_Book},
    {"XF86CD", Qt::Key_CD},
    {"XF86Clear", Qt::Key_Clear},
    {"XF86ClearGrab", Qt::Key_ClearGrab},
    {"XF86Close", Qt::Key_Close},
    {"XF86Copy", Qt::Key_Copy},
    {"XF86Cut", Qt::Key_Cut},
    {"XF86Display", Qt::Key_Display},
    {"XF86DOS", Qt::Key_DOS},
    {"XF86Documents", Qt::Key_Documents},
    {"XF86Excel", Qt::Key_Excel},
    {"XF86Explorer", Qt::Key_Explorer},
    {"XF86Game", Qt::Key_Game},
    {"XF86Go", Qt::Key_Go},
    {"XF86iTouch", Qt::Key_iTouch},
    {"XF86LogOff", Qt::Key_LogOff},
    {"XF86Market", Qt::Key_Market},
    {"XF86Meeting", Qt::Key_Meeting},
    {"XF86MenuKB", Qt::Key_MenuKB},
    {"XF86MenuPB", Qt::Key_MenuPB},
    {"XF86MySites", Qt::Key_MySites},
    {"XF86New", Qt::Key_New},
    {"XF86News", Qt::Key_News},
    {"XF86OfficeHome", Qt::Key_OfficeHome},
    {"XF86Open", Qt::Key_Open},
    {"XF86Option", Qt::Key_Option},
    {"XF86Paste", Qt::Key_Paste},
    {"XF86Phone", Qt::Key_Phone},
    {"XF86Reply", Qt::Key_Reply},
    {"XF86Reload", Qt::Key_Reload},
    {"XF86RotateWindows", Qt::Key_RotateWindows},
    {"XF86RotationPB", Qt::Key_RotationPB},
    {"XF86RotationKB", Qt::Key_RotationKB},
    {"XF86Save", Qt::Key_Save},
    {"XF86Send", Qt::Key_Send},
    {"XF86Spell", Qt::Key_Spell},
    {"XF86SplitScreen", Qt::Key_SplitScreen},
    {"XF86Support", Qt::Key_Support},
    {"XF86TaskPane", Qt::Key_TaskPane},
    {"XF86Terminal", Qt::Key_Terminal},
    {"XF86Tools", Qt::Key_Tools},
    {"XF86Travel", Qt::Key_Travel},
    {"XF86Video", Qt::Key_Video},
    {"XF86Word", Qt::Key_Word},
    {"XF86Xfer", Qt::Key_Xfer},
    {"XF86ZoomIn", Qt::Key_ZoomIn},
    {"XF86ZoomOut", Qt::Key_ZoomOut},
    {"XF86Away", Qt::Key_Away},
    {"XF86Messenger", Qt::Key_Messenger},
    {"XF86WebCam", Qt::Key_WebCam},
    {"XF86MailForward", Qt::Key_MailForward},
    {"XF86Pictures", Qt::Key_Pictures},
    {"XF86Music", Qt::Key_Music},
    {"XF86Battery", Qt::Key_Battery},
    {"XF86Bluetooth", Qt::Key_Bluetooth},
    {"XF86WLAN", Qt::Key_WLAN},
    {"XF86UWB", Qt::Key_UWB},
    {"XF86AudioForward", Qt::Key_AudioForward},
    {"XF86AudioRepeat", Qt::Key_AudioRepeat},
    {"XF86AudioRandomPlay", Qt::Key_AudioRandomPlay},
    {"XF86Subtitle", Qt::Key_Subtitle},
    {"XF86AudioCycleTrack", Qt::Key_AudioCycleTrack},
    {"XF86Time", Qt::Key_Time},
    {"XF86Select", Qt::Key_Select},
    {"XF86View", Qt::Key_View},
    {"XF86TopMenu", Qt::Key_TopMenu},
    {"XF86Red", Qt::Key_Red},
    {"XF86Green", Qt::Key_Green},
    {"XF86Yellow", Qt::Key_Yellow},
    {"XF86Blue", Qt::Key_Blue},
    {"XF86Suspend", Qt::Key_Suspend},
    {"XF86Hibernate", Qt::Key_Hibernate},
    {"XF86TouchpadToggle", Qt::Key_TouchpadToggle},
    {"XF86TouchpadOn", Qt::Key_TouchpadOn},
    {"XF86TouchpadOff", Qt::Key_TouchpadOff},
    {"XF86AudioMicMute", Qt::Key_MicMute},
    {"XF86Launch0", Qt::Key_Launch2},
    {"XF86Launch1", Qt::Key_Launch3},
    {"XF86Launch2", Qt::Key_Launch4},
    {"XF86Launch3", Qt::Key_Launch5},
    {"XF86Launch4", Qt::Key_Launch6},
    {"XF86Launch5", Qt::Key_Launch7},
    {"XF86Launch6", Qt::Key_Launch8},
    {"XF86Launch7", Qt::Key_Launch9},
    {"XF86Launch8", Qt::Key_LaunchA},
    {"XF86Launch9", Qt::Key_LaunchB},
    {"XF86LaunchA", Qt::Key_LaunchC},
    {"XF86LaunchB", Qt::Key_LaunchD},
    {"XF86LaunchC", Qt::Key_LaunchE},
    {"XF86LaunchD", Qt::Key_LaunchF},
    {"XF86LaunchE", Qt::Key_LaunchG},
    {"XF86LaunchF", Qt::Key_LaunchH},
};

// Keys of the numeric keypad: Qt reports them with the keypad modifier.
const KeyName keypadKeys[] = {
    {"KP_Space", Qt::Key_Space},
    {"KP_Tab", Qt::Key_Tab},
    {"KP_Enter", Qt::Key_Enter},
    {"KP_F1", Qt::Key_F1},
    {"KP_F2", Qt::Key_F2},
    {"KP_F3", Qt::Key_F3},
    {"KP_F4", Qt::Key_F4},
    {"KP_Home", Qt::Key_Home},
    {"KP_Left", Qt::Key_Left},
    {"KP_Up", Qt::Key_Up},
    {"KP_Right", Qt::Key_Right},
    {"KP_Down", Qt::Key_Down},
    {"KP_Prior", Qt::Key_PageUp},
    {"KP_Next", Qt::Key_PageDown},
    {"KP_End", Qt::Key_End},
    {"KP_Begin", Qt::Key_Clear},
    {"KP_Insert", Qt::Key_Insert},
    {"KP_Delete", Qt::Key_Delete},
    {"KP_Equal", Qt::Key_Equal},
    {"KP_Multiply", Qt::Key_Asterisk},
    {"KP_Add", Qt::Key_Plus},
    {"KP_Separator", Qt::Key_Comma},
    {"KP_Subtract", Qt::Key_Minus},
    {"KP_Decimal", Qt::Key_Period},
    {"KP_Divide", Qt::Key_Slash},
    {"KP_0", Qt::Key_0},
    {"KP_1", Qt::Key_1},
    {"KP_2", Qt::Key_2},
    {"KP_3", Qt::Key_3},
    {"KP_4", Qt::Key_4},
    {"KP_5", Qt::Key_5},
    {"KP_6", Qt::Key_6},
    {"KP_7", Qt::Key_7},
    {"KP_8", Qt::Key_8},
    {"KP_9", Qt::Key_9},
};

constexpr int FunctionKeyCount = 35;

struct Tables {
    QHash<int, KeySym> qtToSym;       // plain keys
    QHash<int, KeySym> qtToKeypadSym; // keys with the keypad modifier
    QHash<KeySym, int> symToQt;       // both; keypad keys carry Qt::KeypadModifier
};

const Tables &tables()
{
    static const Tables t = [] {
        Tables result;
        for (const KeyName &k : specialKeys) {
            const KeySym sym = XStringToKeysym(k.keysym);
            if (sym == NoSymbol)
                continue;
            if (!result.qtToSym.contains(k.qtKey))
                result.qtToSym.insert(k.qtKey, sym);
            if (!result.symToQt.contains(sym) || k.qtKey == Qt::Key_Calculator)
                result.symToQt.insert(sym, k.qtKey);
        }
        for (int i = 0; i < FunctionKeyCount; ++i) {
            const KeySym sym = XStringToKeysym(QByteArray("F" + QByteArray::number(i + 1)).constData());
            result.qtToSym.insert(Qt::Key_F1 + i, sym);
            result.symToQt.insert(sym, Qt::Key_F1 + i);
        }
        for (const KeyName &k : keypadKeys) {
            const KeySym sym = XStringToKeysym(k.keysym);
            if (sym == NoSymbol)
                continue;
            result.qtToKeypadSym.insert(k.qtKey, sym);
            result.symToQt.insert(sym, int(Qt::KeypadModifier) | k.qtKey);
        }
        return result;
    }();
    return t;
}

constexpr KeySym UnicodeKeysymBase = 0x01000000;

// The keysym of a character key; Qt numbers letters by their upper case,
// X names the key by its lower case.
KeySym characterKeysym(int qtKey)
{
    if (qtKey <= 0 || qtKey >= 0x110000 || (qtKey >= 0xd800 && qtKey < 0xe000))
        return NoSymbol;
    uint code = uint(qtKey);
    if (code > 0xffff) {
        return UnicodeKeysymBase + code;
    }
    const QChar c{ushort(code)};
    // A letter whose lower case uppers to another letter (ϴ, K as the
    // Kelvin sign, İ) is named by itself: its lower case is another key's.
    // So is Ÿ: Qt keeps ÿ's own Latin-1 code, so ÿ is another key too.
    const QChar lower = c.toLower();
    if (c.isUpper() && lower.toUpper() == c && (lower.unicode() > 0xff || code <= 0xff))
        code = lower.unicode();
    if (code < 0x20 || (code >= 0x7f && code < 0xa0))
        return NoSymbol;
    if (code <= 0xff)
        return code;
    return UnicodeKeysymBase + code;
}

// The Qt key of a character keysym (0 when it is not one).
int characterQtKey(KeySym sym)
{
    uint code = 0;
    if (sym >= 0x20 && sym <= 0xff && !(sym >= 0x7f && sym < 0xa0))
        code = uint(sym);
    else if (sym >= UnicodeKeysymBase + 0x20 && sym <= UnicodeKeysymBase + 0x10ffff)
        code = uint(sym - UnicodeKeysymBase);
    else
        return 0;
    if (code <= 0xffff) {
        const QChar c{ushort(code)};
        // ÿ and ß have no upper case of one Latin-1 character; Qt keeps them.
        // A letter whose upper case lowers to another letter (ſ, ı, ς) keeps
        // its own code: its upper case is another key's.
        const QChar upper = c.toUpper();
        if (c.isLower() && upper != c && upper.toLower() == c && (code > 0xff || upper.unicode() <= 0xff))
            code = upper.unicode();
    }
    return int(code);
}

struct ModifierName {
    const char *name;
    int flag;
};

// Written names first, in the order they are written.
const ModifierName modifierNames[] = {
    {"Ctrl", Qt::ControlModifier}, {"Alt", Qt::AltModifier},     {"Shift", Qt::ShiftModifier},
    {"Super", Qt::MetaModifier},   {"Control", Qt::ControlModifier}, {"Mod1", Qt::AltModifier},
    {"Mod4", Qt::MetaModifier},    {"Meta", Qt::MetaModifier},    {"Win", Qt::MetaModifier},
};
constexpr int writtenModifierCount = 4;

int keyOfToken(const QString &token)
{
    const QByteArray latin = token.toLatin1();
    if (QString::fromLatin1(latin) == token) {
        const KeySym sym = XStringToKeysym(latin.constData());
        if (sym != NoSymbol) {
            const auto &t = tables();
            const auto it = t.symToQt.constFind(sym);
            if (it != t.symToQt.constEnd())
                return it.value();
            return characterQtKey(sym);
        }
    }
    if (token.size() == 1 || (token.size() == 2 && token.at(0).isHighSurrogate())) {
        const uint code = token.toUcs4().value(0);
        return characterQtKey(code <= 0xff ? KeySym(code) : UnicodeKeysymBase + code);
    }
    // Qt's own names ("Del", "PgUp", "Volume Up") as a last resort.
    const QKeySequence seq = QKeySequence::fromString(token, QKeySequence::PortableText);
    if (seq.count() == 1 && (seq[0] & ~Qt::KeyboardModifierMask) != Qt::Key_unknown
        && (seq[0] & Qt::KeyboardModifierMask & ~Qt::KeypadModifier) == 0) {
        // Enter is the keypad's key, KP_Enter, whatever Qt calls it: the
        // same key reads as the same code in either spelling.
        if ((seq[0] & ~Qt::KeyboardModifierMask) == Qt::Key_Enter)
            return seq[0] | Qt::KeypadModifier;
        return seq[0];
    }
    return 0;
}

} // namespace

QString VyrKeyServer::KeyQtToKeyStringX(int keyCode)
{
    const int modifiers = keyCode & int(Qt::KeyboardModifierMask);
    const int key = keyCode & ~int(Qt::KeyboardModifierMask);
    if (key == 0 || key == Qt::Key_unknown)
        return QString();
    const auto &t = tables();
    KeySym sym = NoSymbol;
    if (modifiers & Qt::KeypadModifier)
        sym = t.qtToKeypadSym.value(key, NoSymbol);
    if (sym == NoSymbol)
        sym = t.qtToSym.value(key, NoSymbol);
    // Enter is the keypad's key even when Qt leaves the modifier out.
    if (sym == NoSymbol && key == Qt::Key_Enter)
        sym = t.qtToKeypadSym.value(key, NoSymbol);
    if (sym == NoSymbol && key < Qt::Key_Escape)
        sym = characterKeysym(key);
    if (sym == NoSymbol)
        return QString();
    // Xlib allocates the name of a Unicode keysym anew on every call and
    // never frees it; its spelling is fixed: "U" and four hex digits, six
    // beyond the Basic Multilingual Plane.
    const QString name = (sym & 0xff000000) == 0x01000000
        ? QStringLiteral("U%1")
              .arg(qulonglong(sym & 0x00ffffff), (sym & 0x00ff0000) ? 6 : 4, 16, QLatin1Char('0'))
              .toUpper()
        : QString::fromLatin1(XKeysymToString(sym));
    if (name.isEmpty())
        return QString();
    QString result;
    for (int i = 0; i < writtenModifierCount; ++i) {
        if (modifiers & modifierNames[i].flag)
            result += QLatin1String(modifierNames[i].name) + QLatin1Char('+');
    }
    return result + name;
}

int VyrKeyServer::KeyStringXToCode(const QString &text)
{
    if (text.isEmpty())
        return 0;
    QStringList tokens = text.split(QLatin1Char('+'));
    // "Ctrl++" names the plus key itself.
    if (text.endsWith(QLatin1String("++"))) {
        tokens.removeLast();
        tokens.removeLast();
        tokens.append(QStringLiteral("+"));
    } else if (text == QLatin1String("+")) {
        tokens = QStringList{QStringLiteral("+")};
    }
    const QString keyToken = tokens.takeLast().trimmed();
    if (keyToken.isEmpty())
        return 0;
    int modifiers = 0;
    for (const QString &token : qAsConst(tokens)) {
        const QString name = token.trimmed();
        int flag = 0;
        for (const ModifierName &m : modifierNames) {
            if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0) {
                flag = m.flag;
                break;
            }
        }
        if (name.compare(QLatin1String("Num"), Qt::CaseInsensitive) == 0)
            flag = Qt::KeypadModifier;
        if (!flag)
            return 0;
        modifiers |= flag;
    }
    const int key = keyOfToken(keyToken);
    // Only a key the notation can write back is one: Qt's parser makes
    // codes of odd text (control characters, several keys) that no keysym
    // stands for.
    if (!key || KeyQtToKeyStringX(key | modifiers).isEmpty())
        return 0;
    return key | modifiers;
}

QString VyrKeyServer::KeyStringXToQt(const QString &text)
{
    const int code = KeyStringXToCode(text);
    if (!code)
        return QString();
    return QKeySequence(code).toString(QKeySequence::PortableText);
}
