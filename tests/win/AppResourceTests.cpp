// The resources of Quiltmark.exe, read from the program file: menus with
// their ids, texts and fixed positions, the accelerators, the toolbar, the
// string table and the images.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "resource_ids.h"

namespace {

HMODULE Program() {
    static HMODULE module = LoadLibraryExA("Quiltmark.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

std::string ItemText(HMENU menu, UINT item, UINT flag) {
    char text[512] = {};
    GetMenuStringA(menu, item, text, sizeof text, flag);
    return text;
}

std::string String(UINT id) {
    char text[2048] = {};
    const int length = LoadStringA(Program(), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

// One item of a menu: its id (0 separator, -1 submenu) and text.
struct Item {
    int id;
    std::string text;
    bool operator==(const Item&) const = default;
};

std::vector<Item> Items(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        items.push_back({static_cast<int>(GetMenuItemID(menu, i)), ItemText(menu, i, MF_BYPOSITION)});
    return items;
}

struct MenuBar : testing::Test {
    HMENU bar = nullptr;
    void SetUp() override {
        ASSERT_NE(Program(), nullptr);
        bar = LoadMenuA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME));
        ASSERT_NE(bar, nullptr);
    }
    void TearDown() override { DestroyMenu(bar); }
};

} // namespace

TEST_F(MenuBar, FileMenuHasItsFixedItemsThenThePlaceholderAndExit) {
    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    const std::vector<Item> items = Items(file);
    ASSERT_EQ(items.size(), 12u);
    const int fixed[] = {ID_FILE_NEW,  ID_FILE_OPEN,        ID_FILE_OPEN_TEXT_AS_HTML,
                         ID_FILE_SAVE, ID_FILE_SAVE_AS,     0,
                         -1,           ID_FILE_RELOAD_SJIS, 0};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(items[i].id, fixed[i]) << "position " << i;
    EXPECT_EQ(items[6].text, "保存時の文字コード(&C)");
    EXPECT_EQ(Items(GetSubMenu(file, 6)), (std::vector<Item>{{ID_CODE_SJIS, "SJIS(&S)"},
                                                             {ID_CODE_EUC, "EUC(&E)"},
                                                             {ID_CODE_JIS, "7bit-JIS(&J)"},
                                                             {ID_CODE_UTF8, "UTF-8(&U)"}}));
    EXPECT_EQ(items[7].text, "文字コードをSJISに変換して読み直す(&R)");
    EXPECT_EQ(items[9], (Item{ID_FILE_RECENT_1, "最近使ったファイル(なし)"}));
    EXPECT_TRUE(GetMenuState(file, 9, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_EQ(items[11], (Item{ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"}));
}

TEST_F(MenuBar, InsertIsFourthWithTheUserTagSubmenuAtNineAndToolsIsSixth) {
    EXPECT_EQ(GetMenuItemCount(bar), 8);
    EXPECT_EQ(ItemText(bar, 3, MF_BYPOSITION), "挿入(&I)");
    HMENU insert = GetSubMenu(bar, 3);
    ASSERT_NE(GetSubMenu(insert, 9), nullptr);
    EXPECT_EQ(ItemText(insert, 9, MF_BYPOSITION), "ユーザ定義タグ(&U)");
    EXPECT_EQ(Items(GetSubMenu(insert, 9)), (std::vector<Item>{{ID_USERTAG_EDIT, "タグの登録/編集(&A)"}}));

    EXPECT_EQ(ItemText(bar, 5, MF_BYPOSITION), "ツール(&T)");
    HMENU tools = GetSubMenu(bar, 5);
    EXPECT_EQ(ItemText(tools, ID_TOOLS_OPTIONS, MF_BYCOMMAND), "総合的なオプション(&O)");
    EXPECT_EQ(ItemText(tools, ID_TOOLS_EXTERNAL, MF_BYCOMMAND), "外部ツールの登録/編集(&T)");
    EXPECT_EQ(ItemText(bar, 6, MF_BYPOSITION), "簡易FTP(&P)");
}

TEST_F(MenuBar, NamedItemsCarryTheirIdsAndTexts) {
    const Item named[] = {
        {32822, "固定端(&T)"},
        {32771, "太字(&B)"},
        {32785, "斜体(&I)"},
        {32786, "下線(&U)"},
        {32787, "打消し線(&S)"},
        {32893, "点滅(&K)"},
        {32894, "上付き(&P)"},
        {32895, "下付き(&C)"},
        {32896, "ベタ書き(&P)"},
        {32897, "見出し1(&1)"},
        {32898, "見出し2(&2)"},
        {32899, "見出し3(&3)"},
        {32900, "見出し4(&4)"},
        {32901, "見出し5(&5)"},
        {32902, "見出し6(&6)"},
        {32793, "左寄せ(&L)"},
        {32794, "中央寄せ(&E)"},
        {32795, "右寄せ(&R)"},
        {32796, "コメント(&C)"},
        {32788, "改行(&B)"},
        {32791, "水平線(&Z)"},
        {32797, "半角スペース(&S)"},
        {32798, "<(&Q)"},
        {32799, ">(&P)"},
        {32800, "\"(&D)"},
        {32801, "&&(&F)"},
        {32823, "フォントの設定(&F)"},
        {32789, "リンク(&L)"},
        {32790, "画像(I)"},
        {32792, "表(&A)"},
        {32866, "現在の日時(&T)"},
        {32969, "カラーコード(&C)"},
        {32872, "番号なしリスト(&I)"},
        {32873, "番号付きリスト(&O)"},
        {32874, "説明付きリスト(&D)"},
        {32857, "タグの登録/編集(&A)"},
        {32870, "HTMLに変換して貼り付け(&M)"},
        {32831, "犬語(&D)"},
        {32864, "猫語(&C)"},
        {32868, "鼠語(&M)"},
        {32843, "接続(&C)"},
        {32844, "切断(&K)"},
        {32845, "ファイルをローカル側へ転送(&L)"},
        {32854, "ファイルをリモート側へ転送(&R)"},
        {32919, "詳細表示(&S)"},
        {32918, "一覧表示(&I)"},
        {32920, "大きなアイコン(&O)"},
        {32921, "小さなアイコン(&T)"},
        {32913, "文字コードをSJISに変換して読み直す(&R)"},
        {32827, "総合的なオプション(&O)"},
        {32960, "外部ツールの登録/編集(&T)"},
        {57665, "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"},
    };
    for (const Item& item : named) {
        SCOPED_TRACE(item.id);
        EXPECT_EQ(ItemText(bar, item.id, MF_BYCOMMAND), item.text);
    }
}

TEST_F(MenuBar, EveryCommandOfTheMenusIsReachable) {
    const int commands[] = {
        32833, 32834, 32835, 32949, 32951, 32817, 32821, 32836, 32922, 32923, 57643, 32812, 57635,
        57634, 57637, 32781, 32782, 32953, 32827, 32960, 57600, 57601, 32816, 57603, 57604, 32913,
        60005, 32925, 32926, 32929, 32930, 32931, 32933, 57664, 59392, 59393, 32843, 32844, 32845,
        32854, 32918, 32919, 32920, 32921, 32831, 32864, 32868, 32870, 32857,
    };
    for (int id = 50101; id <= 50110; ++id)
        EXPECT_NE(GetMenuState(bar, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
    for (int id : commands)
        EXPECT_NE(GetMenuState(bar, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
    // Printing is not offered.
    for (int id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
        EXPECT_EQ(GetMenuState(bar, id, MF_BYCOMMAND), static_cast<UINT>(-1)) << id;
}

TEST(ContextMenus, EditorMenuMatchesItsItemsExactly) {
    HMENU menu = LoadMenuA(Program(), MAKEINTRESOURCEA(IDR_EDITOR_MENU));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(Items(popup), (std::vector<Item>{
                                {57643, "元に戻す(&U)\tCtrl+Z"},
                                {32812, "やり直し(&R)\tCtrl+Y"},
                                {0, ""},
                                {57635, "切り取り(&T)\tCtrl+X"},
                                {57634, "ｺﾋﾟｰ(&C)\tCtrl+C"},
                                {57637, "貼り付け(&P)\tCtrl+V"},
                                {32781, "削除(&L)\tDelete"},
                                {32782, "全て選択(&A)\tCtrl+A"},
                                {0, ""},
                                {32870, "HTMLに変換して貼り付け(&M)"},
                                {0, ""},
                                {-1, "しおりを設定(&S)"},
                                {-1, "しおりへ移動(&N)"},
                            }));
    for (int sub = 0; sub < 2; ++sub) {
        SCOPED_TRACE(sub);
        std::vector<Item> expected;
        for (int n = 1; n <= 5; ++n)
            expected.push_back({50100 + sub * 5 + n, "しおり(&" + std::to_string(n) + ")"});
        EXPECT_EQ(Items(GetSubMenu(popup, 11 + sub)), expected);
    }
    DestroyMenu(menu);
}

TEST(ContextMenus, FileListMenus) {
    const struct {
        int resource;
        std::vector<Item> items;
        int firstSort;
    } menus[] = {
        {IDR_REMOTELIST_MENU,
         {{32845, "ファイルをローカル側へ転送(&L)"},
          {32847, "新規ディレクトリ作成(&D)"},
          {32849, "ファイル名変更(&R)"},
          {32850, "選択中のアイテムを削除(&W)"},
          {-1, "並べ替え(&S)"}},
         33017},
        {IDR_LOCALLIST_MENU,
         {{32854, "ファイルをリモート側へ転送(&R)"},
          {60001, "新規ディレクトリ作成(&D)"},
          {60002, "ファイル名変更(&R)"},
          {60003, "選択中のアイテムを削除(&W)"},
          {60004, "選択中のアイテムをQuiltmarkで編集(&E)"},
          {-1, "並べ替え(&S)"}},
         33022},
    };
    for (const auto& m : menus) {
        SCOPED_TRACE(m.resource);
        HMENU menu = LoadMenuA(Program(), MAKEINTRESOURCEA(m.resource));
        ASSERT_NE(menu, nullptr);
        HMENU popup = GetSubMenu(menu, 0);
        EXPECT_EQ(Items(popup), m.items);
        EXPECT_EQ(Items(GetSubMenu(popup, GetMenuItemCount(popup) - 1)),
                  (std::vector<Item>{{m.firstSort, "名前(&N)"},
                                     {m.firstSort + 1, "日付(&H)"},
                                     {m.firstSort + 2, "ファイルサイズ(&F)"},
                                     {m.firstSort + 3, "Type(&T)"}}));
        DestroyMenu(menu);
    }
}

TEST(Accelerators, TableMatchesTheKeys) {
    HACCEL table = LoadAcceleratorsA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    std::set<std::tuple<int, int, int>> actual;
    for (const ACCEL& a : entries)
        actual.insert({a.fVirt & (FVIRTKEY | FALT | FCONTROL | FSHIFT), a.key, a.cmd});

    const int alt = FVIRTKEY | FALT, ctrl = FVIRTKEY | FCONTROL, shift = FVIRTKEY | FSHIFT, plain = FVIRTKEY;
    std::set<std::tuple<int, int, int>> expected = {
        {alt, 'A', 32833},         {alt, 'D', 32835},        {alt, 'H', 32816},         {alt, 'R', 60005},
        {alt, 'S', 32834},         {alt, 'X', 32951},        {alt, 'Z', 32949},         {alt, VK_BACK, 57643},
        {shift, VK_DELETE, 57635}, {ctrl, VK_INSERT, 57634}, {shift, VK_INSERT, 57637}, {plain, VK_F6, 57680},
        {shift, VK_F6, 57681},     {ctrl, VK_RETURN, 32788}, {ctrl, 'A', 32782},        {ctrl, 'C', 57634},
        {ctrl, 'E', 32794},        {ctrl, 'F', 32925},       {ctrl, 'H', 32926},        {ctrl, 'J', 32789},
        {ctrl, 'L', 32793},        {ctrl, 'N', 57600},       {ctrl, 'O', 57601},        {ctrl, 'P', 57607},
        {ctrl, 'R', 32795},        {ctrl, 'S', 57603},       {ctrl, 'V', 57637},        {ctrl, 'X', 57635},
        {ctrl, 'Y', 32812},        {ctrl, 'Z', 57643},
    };
    for (int n = 1; n <= 9; ++n)
        expected.insert({alt, '0' + n, 50000 + n - 1});
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(entries.size(), expected.size());
    DestroyAcceleratorTable(table);
}

TEST(Toolbar, ButtonsImagesAndTabImages) {
    HRSRC found =
        FindResourceA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME), MAKEINTRESOURCEA(RT_TOOLBAR_DATA));
    ASSERT_NE(found, nullptr);
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(Program(), found)));
    const std::vector<int> order = {57600, 57601, 57603, 0,     57635, 57634, 57637, 0,     57643, 32812,
                                    0,     32788, 32823, 32789, 32790, 32792, 0,     50020, 50021, 0,
                                    32793, 32794, 32795, 0,     32853, 32854, 32845, 0,     57664};
    EXPECT_EQ(words[1], 16);
    EXPECT_EQ(words[2], 15);
    ASSERT_EQ(words[3], order.size());
    EXPECT_EQ(std::vector<int>(words + 4, words + 4 + words[3]), order);

    const struct {
        int id;
        int width, height;
    } bitmaps[] = {{IDR_MAINFRAME, 16 * 22, 15}, {IDB_TABIMAGES, 18 * 3, 18}};
    for (const auto& b : bitmaps) {
        SCOPED_TRACE(b.id);
        auto bitmap =
            static_cast<HBITMAP>(LoadImageA(Program(), MAKEINTRESOURCEA(b.id), IMAGE_BITMAP, 0, 0, 0));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, b.width);
        EXPECT_EQ(info.bmHeight, b.height);
        DeleteObject(bitmap);
    }
    EXPECT_NE(LoadImageA(Program(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 32, 32, 0), nullptr);
    // The split-bar cursors of the splitter bars, under the framework's numbers.
    for (int cursor : {30980, 30981}) {
        SCOPED_TRACE(cursor);
        EXPECT_NE(FindResourceA(Program(), MAKEINTRESOURCEA(cursor), RT_GROUP_CURSOR), nullptr);
        EXPECT_NE(LoadImageA(Program(), MAKEINTRESOURCEA(cursor), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE),
                  nullptr);
    }
}

TEST(Strings, TemplateTitlePromptsAndTooltips) {
    EXPECT_EQ(String(128), "Quiltmark\n\nQuiltm\n\n\nQuiltmark.Document\nQuiltm Document");
    EXPECT_EQ(String(57344), "Quiltmark");
    const struct {
        UINT id;
        const char* text;
    } cases[] = {
        {32857, "自分でタグを編集する\nタグを編集"},
        {50000, "ユーザ定義タグ1個目"},
        {50001, "ユーザ定義タグ2個目"},
        {50002, "ユーザ定義タグ3個目"},
        {50003, "ユーザ定義タグ4個目"},
        {50004, "ユーザ定義タグ5個目"},
        {50020, "ユーザ定義タグショートカット1\nユーザ定義タグショートカット1"},
        {50021, "ユーザ定義タグショートカット2\nユーザ定義タグショートカット2"},
        {32870, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容をHTMLに変換して貼り付け\nHTMLに変換して貼り付け"},
        {32831, "編集中のテキストに対を犬語に変換する"},
        {32864, "編集中のテキストに対を猫語に変換する"},
        {32868, "編集中のテキストに対を鼠語に変換する"},
        {32866, "現在の日時をカーソル位置に挿入します"},
        {32969, "カラーコードを挿入する"},
        {32872, "カーソル位置へ番号なしリストを挿入"},
        {32873, "カーソル位置へ番号付きリストを挿入"},
        {32874, "カーソル位置へ説明付きリストを挿入"},
        {59136, "ｶﾅ"},
        {59137, "CAP"},
        {59138, "NUM"},
        {59139, "SCRL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(String(c.id), c.text);
    }
    const struct {
        UINT id;
        const char* prompt;
    } prompts[] = {
        {32823, "選択中のテキストへ基本フォントタグを挿入"},
        {32789, "選択中のテキストへリンクタグを挿入"},
        {32790, "カーソル位置へ画像タグを挿入"},
        {32792, "カーソル位置へ表タグを挿入"},
    };
    for (const auto& p : prompts) {
        SCOPED_TRACE(p.id);
        const std::string s = String(p.id);
        EXPECT_EQ(s.substr(0, s.find('\n')), p.prompt);
    }
    // Every toolbar button has a tooltip.
    for (int id : {57600, 57601, 57603, 57635, 57634, 57637, 57643, 32812, 32788, 32823, 32789,
                   32790, 32792, 50020, 50021, 32793, 32794, 32795, 32853, 32854, 32845, 57664}) {
        const std::string s = String(id);
        EXPECT_NE(s.find('\n'), std::string::npos) << id;
        EXPECT_LT(s.find('\n') + 1, s.size()) << id;
    }
}
