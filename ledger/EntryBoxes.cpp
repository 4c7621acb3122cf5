#include "EntryBoxes.h"

using L = EntryBox::Load;

namespace {
constexpr int G = EntryBox::Grey;
constexpr int H = EntryBox::Hidden;
constexpr int K = EntryBox::NotCleared;
constexpr int R = EntryBox::RightAligned;
constexpr int P = EntryBox::Plain;

// clang-format off
QList<EntryBox> makeTable()
{
    // name, page, caption, group, column, load, initial, flags, hint, width, row, slot,
    // caption button, its hint
    return {
        // Page ① 検査依頼受付
        {"Edit1", 1, "ID", "", "ID", L::Column, "", G, "入力不要", 48, 0, 0, "", ""},
        {"Edit2", 1, "受付日", "", "受付日", L::Column, "", P, "", 56, 0, 1, "SpeedButton3", "受付日"},
        {"Edit24", 1, "", "", "受付月", L::Column, "0", H, "受付月", 30, 0, 99, "", ""},
        {"Edit3", 1, "時間", "", "時間", L::Column, "", P, "", 52, 0, 2, "SpeedButton2", "時間"},
        {"Edit37", 1, "工事番号", "", "工事番号", L::Column, "", P, "", 80, 0, 3, "", ""},
        {"Edit38", 1, "備　　考", "", "備考", L::Column, "", P, "", 90, 0, 4, "SpeedButton14", ""},
        {"Edit6", 1, "工　事　名", "", "工事名", L::Column, "", P, "", 330, 0, 5, "", ""},
        {"Edit36", 1, "業　者　名", "", "請負業者名", L::Column, "", P, "", 250, 0, 6, "", ""},
        {"Edit20", 1, "契約区分", "", "契約区分", L::Column, "契約依頼", P, "", 72, 1, 0, "", ""},
        {"Edit18", 1, "検査区分", "", "検査区分", L::Column, "完成検査", P, "", 96, 1, 1, "", ""},
        {"Edit7", 1, "業種名称", "", "業種名称", L::Column, "土木一式工事", P, "", 110, 1, 2, "", ""},
        {"Edit19", 1, "工事区分", "", "工事区分", L::Column, "土木", P, "", 72, 1, 3, "", ""},
        {"Edit21", 1, "", "", "請負金額", L::Column, "0", H, "", 80, 1, 99, "", ""},
        {"Edit8", 1, "請負金額(円)", "", "", L::AmountManYen, "0", R, "", 84, 1, 4, "", ""},
        {"Edit9", 1, "(自)", "当初工期", "工期自", L::Column, "", P, "（自）当初工期", 84, 1, 5, "SpeedButton6", "自"},
        {"Edit10", 1, "(至)", "当初工期", "工期至", L::Column, "", P, "（至）当初工期", 84, 1, 6, "SpeedButton7", "至"},
        {"Edit11", 1, "(至)", "変更工期", "変更工期", L::Column, "", P, "（至）変更工期", 84, 1, 8, "SpeedButton1", "変更工期"},
        {"Edit42", 1, "(自)", "変更工期", "", L::ChangedStart, "", P, "（自）変更工期", 84, 1, 7, "", ""},
        {"Edit12", 1, "担当部署", "", "担当課", L::Column, "", P, "", 150, 1, 9, "", ""},
        {"Edit13", 1, "監督員氏名", "", "監督員", L::Column, "", P, "", 96, 1, 10, "", ""},

        // Page ② 検査結果登録
        {"Edit25", 2, "ID", "", "ID", L::Column, "", G | K, "入力不要", 48, 0, 0, "", ""},
        {"Edit28", 2, "受付日", "", "受付日", L::Column, "", G | K, "", 56, 0, 1, "", ""},
        {"Edit26", 2, "点検日", "立入点検", "立入点検日", L::Column, "", P, "", 56, 0, 2, "SpeedButton10", "立入り点検日"},
        {"Edit27", 2, "結果", "立入点検", "立入点検結果", L::Column, "", P, "", 90, 0, 3, "SpeedButton15", "立入り点検結果"},
        {"Edit4", 2, "検査日", "日付", "検査日", L::Column, "", P, "", 56, 0, 4, "SpeedButton4", "検査日"},
        {"Edit5", 2, "合格日", "日付", "合格日", L::Column, "", P, "", 56, 0, 5, "SpeedButton5", "合格日"},
        {"Edit22", 2, "", "", "合格年", L::Column, "0", H, "合格年", 40, 0, 99, "", ""},
        {"Edit23", 2, "", "", "合格月", L::Column, "0", H, "合格月", 30, 0, 99, "", ""},
        {"Edit29", 2, "工　　事　　名", "", "工事名", L::Column, "", G | K, "", 360, 0, 6, "", ""},
        {"Edit30", 2, "契約区分", "", "契約区分", L::Column, "", G | K, "", 72, 1, 0, "", ""},
        {"Edit31", 2, "検査区分", "", "検査区分", L::Column, "", G | K, "", 96, 1, 1, "", ""},
        {"Edit32", 2, "工事区分", "", "工事区分", L::Column, "", G | K, "", 72, 1, 2, "", ""},
        {"Edit35", 2, "請負金額(円)", "", "", L::AmountManYen, "0", G | K | R, "", 84, 1, 3, "", ""},
        {"Edit33", 2, "担当部署", "", "担当課", L::Column, "", G | K, "", 150, 1, 4, "", ""},
        {"Edit14", 2, "監督員", "評定点", "評定監督員", L::Column, "0.0", R, "", 56, 1, 5, "", ""},
        {"Edit15", 2, "係長", "評定点", "評定係長", L::Column, "0.0", R, "", 56, 1, 6, "", ""},
        {"Edit16", 2, "検査員", "評定点", "評定検査員", L::Column, "0.0", R, "", 56, 1, 7, "", ""},
        {"Edit17", 2, "合計", "評定点", "評定合計", L::Column, "0.0", G | R, "自動計算", 56, 1, 8, "", ""},

        // Page ③ 発送処理
        {"Edit73", 3, "ID", "", "ID", L::Column, "", G | K, "入力不要", 48, 0, 0, "", ""},
        {"Edit39", 3, "受付番号", "", "受付番号", L::Column, "", G | K | R, "", 80, 0, 1, "", ""},
        {"Edit40", 3, "工事番号", "", "工事番号", L::Column, "", G | K, "", 80, 0, 2, "", ""},
        {"Edit41", 3, "工　事　名", "", "工事名", L::Column, "", G | K, "", 330, 0, 3, "", ""},
        {"Edit78", 3, "あて先", "", "請負業者名", L::Column, "", G | K, "", 250, 0, 4, "", ""},
        {"Edit76", 3, "件名", "", "件名", L::Column, "", G | K, "", 90, 1, 0, "", ""},
        {"Edit74", 3, "発送番号", "", "発送番号", L::Column, "", G | K | R, "", 80, 1, 1, "", ""},
        {"Edit75", 3, "発送日", "", "発送日", L::Column, "", P, "", 56, 1, 2, "", ""},
        {"Edit92", 3, "公印の種類", "", "公印種類", L::Column, "市長印", P, "", 150, 1, 3, "", ""},
        {"Edit90", 3, "件数", "", "件数", L::Column, "1", R, "", 40, 1, 4, "", ""},
        {"Edit79", 3, "押印数", "", "押印数", L::Column, "2", R, "", 40, 1, 5, "", ""},
        {"Edit34", 3, "確認", "", "財務チェック", L::Column, "×", P, "", 40, 1, 6, "", ""},
    };
}
// clang-format on
} // namespace

const QList<EntryBox> &entryBoxes() {
    static const QList<EntryBox> table = makeTable();
    return table;
}

const EntryBox *findEntryBox(const QString &name) {
    for (const EntryBox &b : entryBoxes()) {
        if (b.name == name)
            return &b;
    }
    return nullptr;
}
