#include "Tips.h"

namespace dlx {

const std::vector<std::string> &tips() {
    static const std::vector<std::string> list = {
        "สามารถลากแถบจาก ต้นฉบับ และแปลความหมายเฉพาะที่ลากแถบนั้นได้",
        "สามารถเลือกแปลโดยใช้หลักไวยากรณ์ ของโปรแกรม หรือ แปลความเป็นคำต่อคำ ได้โดยเลือกจากตัวเลือกของโปรแกรม",
        "สามารถกด Ctrl + C เพื่อเก็บข้อความที่เลือกไว้เข้าคลิปบอร์ด",
        "สามารถกด Ctrl + V เพื่อนำข้อความในคลิปบอร์ดมาใช้",
        "สามารถคลิกเมาส์ขวา (Context Menu) ที่ต้นฉบับและงานแปล เพื่อเลือกใช้งานต่างๆได้",
        "สามารถเปลี่ยนคุณสมบัติตัวอักษร ของต้นฉบับ และ งานแปลได้",
        "สามารถดู ต้นฉบับ ในรูปแบบเต็มจอ ได้โดยกด F5 ได้",
        "สามารถดู งานแปล ในรูปแบบเต็มจอ ได้โดยกด F6 ได้",
        "สามารถเพิ่ม ลบ และ แก้ไข คำศัพท์ได้ ภายในโปรแกรมนี้",
        "ดับเบิ้ลคลิกที่ ต้นฉบับ จะสามารถดูต้นฉบับเต็มจอได้",
        "ดับเบิ้ลคลิกที่ งานแปล จะสามารถดูงานแปลเต็มจอได้",
        "โปรแกรมนี้ สามารถแปลความหมาย ได้ถูกต้องประมาณ 50 %  ซึ่งจะเป็นตัวช่วยในการแปลความหมายเท่านั้น",
        "สามารถเปลี่ยน Skin หรือ หน้าตาโปรแกรมให้สวยงามจากภาพที่เลือกได้",
        std::string("หากคุณมีคำแนะนำ หรือ ต้องการให้โปรแกรมมีคุณสมบัติใดเพิ่ม คุณสามารถส่งอีเมล์ไปที่ ") + kMakerEmail,
        std::string("สามารถติดตามโปรแกรมใหม่ๆ ได้ ที่ ") + kMakerWeb,
    };
    return list;
}

bool tipWanted(std::string_view stored) {
    std::size_t b = 0, e = stored.size();
    while (b < e && stored[b] == ' ')
        ++b;
    while (e > b && stored[e - 1] == ' ')
        --e;
    std::string_view s = stored.substr(b, e - b);
    if (s.empty())
        return true;
    bool negative = false;
    if (s.front() == '+' || s.front() == '-') {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return true;
    for (char c : s)
        if (c < '0' || c > '9')
            return true;
    // A whole number: only exactly one means "show".
    while (s.size() > 1 && s.front() == '0')
        s.remove_prefix(1);
    return !negative && s == "1";
}

TipRotation::TipRotation(double r) {
    if (!(r >= 0))
        r = 0;
    const int count = static_cast<int>(tips().size());
    current_ = static_cast<int>(count * r) + 1;
    if (current_ > count)
        current_ = count;
}

void TipRotation::next() {
    current_ = current_ < static_cast<int>(tips().size()) ? current_ + 1 : 1;
}

} // namespace dlx
