<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th_TH">
<context>
    <name>CloseButton</name>
    <message>
        <source>Close Tab</source>
        <translation>ปิดแท็บ</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <source>File</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>เลือก&amp;ทั้งหมด</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>เ&amp;พิ่มค่า</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;ลดค่า</translation>
    </message>
</context>
<context>
    <name>QAccessibleActionInterface</name>
    <message>
        <source>Decrease</source>
        <translation>ลด</translation>
    </message>
    <message>
        <source>Decrease the value</source>
        <translation>ลดค่า</translation>
    </message>
    <message>
        <source>Goes back a page</source>
        <translation>ย้อนกลับหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Goes to the next page</source>
        <translation>ไปหน้าถัดไป</translation>
    </message>
    <message>
        <source>Increase</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Increase the value</source>
        <translation>เพิ่มค่า</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>หน้าถัดไป</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>กด</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>หน้าก่อน</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>เลื่อนลง</translation>
    </message>
    <message>
        <source>Scroll Left</source>
        <translation>เลื่อนไปทางซ้าย</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>เลื่อนไปทางขวา</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>เลื่อนขึ้น</translation>
    </message>
    <message>
        <source>Scrolls down</source>
        <translation>เลื่อนลง</translation>
    </message>
    <message>
        <source>Scrolls to the left</source>
        <translation>เลื่อนไปทางซ้าย</translation>
    </message>
    <message>
        <source>Scrolls to the right</source>
        <translation>เลื่อนไปทางขวา</translation>
    </message>
    <message>
        <source>Scrolls up</source>
        <translation>เลื่อนขึ้น</translation>
    </message>
    <message>
        <source>SetFocus</source>
        <translation>ให้โฟกัส</translation>
    </message>
    <message>
        <source>Sets the focus</source>
        <translation>ให้โฟกัส</translation>
    </message>
    <message>
        <source>ShowMenu</source>
        <translation>แสดงเมนู</translation>
    </message>
    <message>
        <source>Shows the menu</source>
        <translation>แสดงเมนู</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>สลับ</translation>
    </message>
    <message>
        <source>Toggles the state</source>
        <translation>สลับสถานะ</translation>
    </message>
    <message>
        <source>Triggers the action</source>
        <translation>สั่งทำงาน</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>&amp;เพิ่มในสีที่กำหนดเอง</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>สี&amp;พื้นฐาน</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>สีที่&amp;กำหนดเอง</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>เ&amp;ขียว:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>รหัส &amp;HTML:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>เลือกสีจาก&amp;หน้าจอ</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>แ&amp;ดง:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>ความ&amp;อิ่มตัว:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>ความส&amp;ว่าง:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>ช่องอั&amp;ลฟา:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>&amp;น้ำเงิน:</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>ตัวชี้อยู่ที่ %1, %2
กด Esc เพื่อยกเลิก</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;สีสัน:</translation>
    </message>
    <message>
        <source>Pick Screen Color</source>
        <translation>เลือกสีจากหน้าจอ</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>เลือกสี</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>เท็จ</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>เปิดรายการให้เลือก</translation>
    </message>
    <message>
        <source>True</source>
        <translation>จริง</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>หน้าปก</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>ข้อมูลการคิดเงิน:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>ลับมาก</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>ลับ</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>กลางวัน (06:00 ถึง 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>จบ:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>พักไว้จนกว่าจะสั่ง</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>งานพิมพ์</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>ควบคุมงานพิมพ์</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>ลำดับความสำคัญของงาน:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>กลางคืน (18:00 ถึง 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>พิมพ์ทันที</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>กำหนดเวลาพิมพ์:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>กะที่สอง (16:00 ถึง 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>ลับที่สุด</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>ระบุเวลา</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>มาตรฐาน</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>เริ่ม:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>กะที่สาม (00:00 ถึง 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>ลับสุดยอด</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>ไม่ลับ</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>สุดสัปดาห์ (วันเสาร์ถึงวันอาทิตย์)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>ต้องยืนยันตัวตน</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>ต้องยืนยันตัวตนเพื่อใช้ %1 บน %2</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>ต้องยืนยันตัวตนเพื่อใช้ %1</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>รหัสผ่าน:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>ชื่อผู้ใช้:</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>นี่คืออะไร?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ยกเลิก</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;ปิด</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;ไม่ใช่</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;บันทึก</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ใช่</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยุติ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ละทิ้ง</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ละเว้น</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ใช่ทั้ง&amp;หมด</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งค่าใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่&amp;ทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>ปิดแผง</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>แยกออกมา</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>แยกแผงออกมาหรือติดกลับเข้าที่</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>แสดงข้อความนี้&amp;อีก</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>ข้อผิดพลาดสำคัญ:</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>ข้อความตรวจแก้:</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>ข้อผิดพลาดร้ายแรง:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>ข้อมูล:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>คำเตือน:</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ไม่พบโฟลเดอร์
โปรดตรวจดูว่าชื่อโฟลเดอร์ถูกต้อง</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ไม่พบแฟ้ม
โปรดตรวจดูว่าชื่อแฟ้มถูกต้อง</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>มี %1 อยู่แล้ว
ต้องการเขียนทับหรือไม่</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>เ&amp;ลือก</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;ลบ</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>โฟลเดอร์&amp;ใหม่</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>เ&amp;ปิด</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>เปลี่ยน&amp;ชื่อ</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;บันทึก</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; ถูกป้องกันการเขียน
ต้องการลบทิ้งหรือไม่</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>ทุกแฟ้ม (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>ทุกแฟ้ม (*)</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>ต้องการลบ &apos;%1&apos; จริงหรือไม่</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>เปลี่ยนเป็นมุมมองรายการ</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ลบโฟลเดอร์ไม่ได้</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>สร้างโฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>มุมมองรายละเอียด</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>โฟลเดอร์:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ไดรฟ์</translation>
    </message>
    <message>
        <source>File</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;ชื่อแฟ้ม:</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>แฟ้ม</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ชนิดแฟ้ม:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>หาโฟลเดอร์</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>โฟลเดอร์</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ไปที่โฟลเดอร์แม่</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>รายการตำแหน่งและที่คั่นหน้า</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>มุมมองรายการ</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>มองใน:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>โฟลเดอร์ใหม่</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>โฟลเดอร์แม่</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>ตำแหน่งล่าสุด</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>บันทึกเป็น</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>ทางลัด</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>แสดง</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>แสดงแฟ้มที่&amp;ซ่อนไว้</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>แถบข้าง</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>ไม่ทราบ</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Computer</source>
        <translation>คอมพิวเตอร์</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>วันที่แก้ไข</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ชื่อ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>ขนาด</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ชนิด</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>ทุกระบบ</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>อาหรับ</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>อาร์มีเนีย</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>เบงกาลี</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>หนาพิเศษ</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>ตัวหนา</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>ซีริลลิก</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>กึ่ง</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>กึ่งหนา</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>เทวนาครี</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>พิเศษ</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>หนามาก</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>บางพิเศษ</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>จอร์เจีย</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>กรีก</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>คุชราต</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>คุรมุขี</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ฮีบรู</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>ตัวเอียง</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>ญี่ปุ่น</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>กันนาดา</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>เขมร</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>เกาหลี</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>ลาว</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>ละติน</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>บาง</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>มาลายาลัม</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ปานกลาง</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>พม่า</translation>
    </message>
    <message>
        <source>N&apos;Ko</source>
        <translation>เอ็นโก</translation>
    </message>
    <message>
        <source>Normal</source>
        <comment>The Normal or Regular font weight</comment>
        <translation>ปกติ</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>เอน</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>โอคัม</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>โอริยา</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>รูน</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>จีนตัวย่อ</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>สิงหล</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>สัญลักษณ์</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>ซีรีแอก</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>ทมิฬ</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>เตลูกู</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>ทานะ</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>ไทย</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>บางมาก</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>ทิเบต</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>จีนตัวเต็ม</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>เวียดนาม</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>แบบ&amp;อักษร</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>ข&amp;นาด</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>ขีดเส้น&amp;ใต้</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>ลักษณะพิเศษ</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>&amp;ลักษณะแบบอักษร</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>ตัวอย่าง</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>เลือกแบบอักษร</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>ขีด&amp;ฆ่า</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>ระบบการ&amp;เขียน</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ยกเลิก</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;ปิด</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;บันทึก</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>ใส่ค่า:</translation>
    </message>
</context>
<context>
    <name>QKeySequenceEdit</name>
    <message>
        <source>Press shortcut</source>
        <translation>กดแป้นลัด</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;คัดลอก</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;วาง</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำ&amp;ซ้ำ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;เลิกทำ</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;ตัด</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>ซ่อนรายละเอียด...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>แสดงรายละเอียด...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>bottom margin</source>
        <translation>ขอบล่าง</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>ซิเซโร (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>ดีโด (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>สูง:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>นิ้ว</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>นิ้ว</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>ขอบซ้าย</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>ระยะขอบ</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>มิลลิเมตร (มม.)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>มม.</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>แนวกระดาษ</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>การจัดหน้า</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>ลำดับหน้า:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>ขนาดหน้า:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>จำนวนหน้าต่อแผ่น:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>กระดาษ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>ถาดกระดาษ:</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>พอยต์ (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>แนวนอนกลับด้าน</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>แนวตั้งกลับด้าน</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ขอบขวา</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ขอบบน</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>กว้าง:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 นิ้ว</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>กำหนดเอง (%1CC x %2CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>กำหนดเอง (%1DD x %2DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>กำหนดเอง (%1 x %2 นิ้ว)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>กำหนดเอง (%1 x %2 มม.)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>กำหนดเอง (%1pc x %2pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>กำหนดเอง (%1pt x %2pt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>ไปรษณียบัตรคู่</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>ซองจดหมาย B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>ซองจดหมาย B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>ซองจดหมาย B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>ซองจดหมาย C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>ซองจดหมาย C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>ซองจดหมาย C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>ซองจดหมาย C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>ซองจดหมาย C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>ซองจดหมาย C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>ซองจดหมาย C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>ซองจดหมาย C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>ซองจดหมาย C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>ซองจดหมาย Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>ซองจดหมาย Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>ซองจดหมาย DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>ซองจดหมาย เชิญ</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>ซองจดหมาย อิตาลี</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>ซองจดหมาย Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>ซองจดหมาย Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>ซองจดหมาย Monarch</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>ซองจดหมาย ส่วนตัว</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>ซองจดหมาย PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>ซองจดหมาย PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>ซองจดหมาย PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>ซองจดหมาย PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>ซองจดหมาย PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>ซองจดหมาย PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>ซองจดหมาย PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>ซองจดหมาย PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>ซองจดหมาย PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>ซองจดหมาย PRC 9</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>ซองจดหมาย US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>ซองจดหมาย US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>ซองจดหมาย US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>ซองจดหมาย US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>ซองจดหมาย US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>ซองจดหมาย You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7.25 x 10.5 นิ้ว)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7.5 x 10 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>กระดาษต่อเนื่องแบบเยอรมัน (8.5 x 12 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>กระดาษต่อเนื่องแบบเยอรมัน Legal (8.5 x 13 นิ้ว)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>กระดาษต่อเนื่องแบบอเมริกัน (14.875 x 11 นิ้ว)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (8.27 x 13 นิ้ว)</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>ไปรษณียบัตร</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;ไม่ใช่</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;ใช่</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยุติ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ละทิ้ง</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ละเว้น</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ใช่ทั้ง&amp;หมด</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งค่าใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่&amp;ทั้งหมด</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>มี %1 อยู่แล้ว
ต้องการเขียนทับหรือไม่</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 เขียนไม่ถูกรูปแบบ โปรดใช้ &apos;,&apos; คั่นช่วงหน้าและหน้า ใช้ &apos;-&apos; ระบุช่วง และช่วงต้องไม่ซ้อนกัน</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 เป็นโฟลเดอร์
โปรดเลือกชื่อแฟ้มอื่น</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;ตัวเลือก &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;ตัวเลือก &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;พิมพ์</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>ทุกหน้า</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>ล่างขึ้นบน ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>ล่างขึ้นบน ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>กำหนดเอง</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>ค่าการพิมพ์สองหน้าขัดกัน</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>หน้าคู่</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>เขียนแฟ้ม %1 ไม่ได้
โปรดเลือกชื่อแฟ้มอื่น</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>ระบุหน้าไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>ซ้ายไปขวา ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>ซ้ายไปขวา บนลงล่าง</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>แฟ้มในเครื่อง</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>หน้าคี่</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>ใช้ตัวเลือก &apos;จำนวนหน้าต่อแผ่น&apos; และ &apos;ชุดหน้า&apos; พร้อมกันไม่ได้
โปรดปิดตัวเลือกใดตัวเลือกหนึ่ง</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>พิมพ์ลงแฟ้ม (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>พิมพ์ลงแฟ้ม...</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ขวาไปซ้าย ล่างขึ้นบน</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ขวาไปซ้าย บนลงล่าง</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>ค่าการพิมพ์สองหน้าขัดกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>บนลงล่าง ซ้ายไปขวา</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>บนลงล่าง ขวาไปซ้าย</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>เขียนแฟ้ม PDF</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>First page</source>
        <translation>หน้าแรก</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>พอดีหน้า</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>พอดีความกว้าง</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>แนวนอน</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>หน้าสุดท้าย</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>หน้าถัดไป</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>ตั้งค่าหน้ากระดาษ</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>ตั้งค่าหน้ากระดาษ</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>แนวตั้ง</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>หน้าก่อน</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>พิมพ์</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>ดูก่อนพิมพ์</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>แสดงหน้าคู่</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>แสดงภาพรวมทุกหน้า</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>แสดงทีละหน้า</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>ขยาย</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>ย่อ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>ตัวเลือกขั้นสูงขัดกัน</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>ตัวเลือกงานพิมพ์</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>ค่าหน้ากระดาษขัดกัน</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>คุณสมบัติเครื่องพิมพ์</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>ค่าหน้ากระดาษขัดกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>ตัวเลือกขั้นสูงบางอย่างขัดกัน ต้องการแก้ไขหรือไม่</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>ขั้นสูง</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>ตัวเลือกบางอย่างขัดกัน โปรดแก้ไข</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>เรียงชุด</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>สี</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>โหมดสี</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>สำเนา</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>จำนวนสำเนา:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>หน้าปัจจุบัน</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>พิมพ์สองหน้า</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ระดับสีเทา</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>เย็บด้านยาว</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่มี</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>ค่าการพิมพ์</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>ชุดหน้า:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>หน้า</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>หน้าจาก</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>พิมพ์ทั้งหมด</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>ช่วงที่พิมพ์</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>กลับลำดับ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>ส่วนที่เลือก</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>เย็บด้านสั้น</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ระบุหน้าหรือช่วงหน้าคั่นด้วยจุลภาค ช่วงหน้าเขียนเป็นตัวเลขสองตัวคั่นด้วยขีด เช่น 3,5-7,9 พิมพ์หน้า 3, 5, 6, 7 และ 9</translation>
    </message>
    <message>
        <source>to</source>
        <translation>ถึง</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;ชื่อ:</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>แบบฟอร์ม</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>ที่ตั้ง:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;แฟ้มผลลัพธ์:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;คุณสมบัติ</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>ดูตัวอย่าง</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>เครื่องพิมพ์</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ชนิด:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>ล่างสุด</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>ขอบซ้าย</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>ลงไปหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>ไปทางซ้ายหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>ไปทางขวาหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>ขึ้นไปหนึ่งหน้า</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>ขอบขวา</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>เลื่อนลง</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>เลื่อนมาตรงนี้</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>เลื่อนไปทางซ้าย</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>เลื่อนไปทางขวา</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>เลื่อนขึ้น</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>บนสุด</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Add Favorite</source>
        <translation>เพิ่มในรายการโปรด</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>ปรับความสว่าง</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>ปรับความเข้ม</translation>
    </message>
    <message>
        <source>Application Left</source>
        <translation>โปรแกรมซ้าย</translation>
    </message>
    <message>
        <source>Application Right</source>
        <translation>โปรแกรมขวา</translation>
    </message>
    <message>
        <source>Audio Cycle Track</source>
        <translation>วนแทร็กเสียง</translation>
    </message>
    <message>
        <source>Audio Random Play</source>
        <translation>เล่นเสียงแบบสุ่ม</translation>
    </message>
    <message>
        <source>Audio Repeat</source>
        <translation>เล่นเสียงซ้ำ</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>ไม่อยู่</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Back Forward</source>
        <translation>ย้อนกลับ/ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>เสริมเสียงทุ้ม</translation>
    </message>
    <message>
        <source>Bass Down</source>
        <translation>ลดเสียงทุ้ม</translation>
    </message>
    <message>
        <source>Bass Up</source>
        <translation>เพิ่มเสียงทุ้ม</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>แบตเตอรี่</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>น้ำเงิน</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>บลูทูธ</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>หนังสือ</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>เบราว์เซอร์</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>เครื่องคิดเลข</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>ปฏิทิน</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>โทร</translation>
    </message>
    <message>
        <source>Camera Focus</source>
        <translation>โฟกัสกล้อง</translation>
    </message>
    <message>
        <source>Camera Shutter</source>
        <translation>ชัตเตอร์กล้อง</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>ซีดี</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>ช่องก่อนหน้า</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>ช่องถัดไป</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>ล้าง</translation>
    </message>
    <message>
        <source>Clear Grab</source>
        <translation>เลิกจับ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Code input</source>
        <translation>ป้อนรหัส</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>ชุมชน</translation>
    </message>
    <message>
        <source>Context1</source>
        <translation>บริบท 1</translation>
    </message>
    <message>
        <source>Context2</source>
        <translation>บริบท 2</translation>
    </message>
    <message>
        <source>Context3</source>
        <translation>บริบท 3</translation>
    </message>
    <message>
        <source>Context4</source>
        <translation>บริบท 4</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>ตัด</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>จอภาพ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>เอกสาร</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>ดีดออก</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>ดำเนินการ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>รายการโปรด</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>การเงิน</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>พลิก</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>ไปข้างหน้า</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>เกม</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>ไป</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>เขียว</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ผังรายการ</translation>
    </message>
    <message>
        <source>Hangup</source>
        <translation>วางสาย</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>จำศีล</translation>
    </message>
    <message>
        <source>History</source>
        <translation>ประวัติ</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>สำนักงานที่บ้าน</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>หน้าแรก</translation>
    </message>
    <message>
        <source>Hot Links</source>
        <translation>ลิงก์ด่วน</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>ข้อมูล</translation>
    </message>
    <message>
        <source>Keyboard Brightness Down</source>
        <translation>ลดความสว่างแป้นพิมพ์</translation>
    </message>
    <message>
        <source>Keyboard Brightness Up</source>
        <translation>เพิ่มความสว่างแป้นพิมพ์</translation>
    </message>
    <message>
        <source>Keyboard Light On/Off</source>
        <translation>เปิด/ปิดไฟแป้นพิมพ์</translation>
    </message>
    <message>
        <source>Keyboard Menu</source>
        <translation>เมนูแป้นพิมพ์</translation>
    </message>
    <message>
        <source>Last Number Redial</source>
        <translation>โทรซ้ำเบอร์ล่าสุด</translation>
    </message>
    <message>
        <source>Launch (0)</source>
        <translation>เปิดโปรแกรม (0)</translation>
    </message>
    <message>
        <source>Launch (1)</source>
        <translation>เปิดโปรแกรม (1)</translation>
    </message>
    <message>
        <source>Launch (2)</source>
        <translation>เปิดโปรแกรม (2)</translation>
    </message>
    <message>
        <source>Launch (3)</source>
        <translation>เปิดโปรแกรม (3)</translation>
    </message>
    <message>
        <source>Launch (4)</source>
        <translation>เปิดโปรแกรม (4)</translation>
    </message>
    <message>
        <source>Launch (5)</source>
        <translation>เปิดโปรแกรม (5)</translation>
    </message>
    <message>
        <source>Launch (6)</source>
        <translation>เปิดโปรแกรม (6)</translation>
    </message>
    <message>
        <source>Launch (7)</source>
        <translation>เปิดโปรแกรม (7)</translation>
    </message>
    <message>
        <source>Launch (8)</source>
        <translation>เปิดโปรแกรม (8)</translation>
    </message>
    <message>
        <source>Launch (9)</source>
        <translation>เปิดโปรแกรม (9)</translation>
    </message>
    <message>
        <source>Launch (A)</source>
        <translation>เปิดโปรแกรม (A)</translation>
    </message>
    <message>
        <source>Launch (B)</source>
        <translation>เปิดโปรแกรม (B)</translation>
    </message>
    <message>
        <source>Launch (C)</source>
        <translation>เปิดโปรแกรม (C)</translation>
    </message>
    <message>
        <source>Launch (D)</source>
        <translation>เปิดโปรแกรม (D)</translation>
    </message>
    <message>
        <source>Launch (E)</source>
        <translation>เปิดโปรแกรม (E)</translation>
    </message>
    <message>
        <source>Launch (F)</source>
        <translation>เปิดโปรแกรม (F)</translation>
    </message>
    <message>
        <source>Launch (G)</source>
        <translation>เปิดโปรแกรม (G)</translation>
    </message>
    <message>
        <source>Launch (H)</source>
        <translation>เปิดโปรแกรม (H)</translation>
    </message>
    <message>
        <source>Launch Mail</source>
        <translation>เปิดโปรแกรมอีเมล</translation>
    </message>
    <message>
        <source>Launch Media</source>
        <translation>เปิดโปรแกรมเล่นสื่อ</translation>
    </message>
    <message>
        <source>LightBulb</source>
        <translation>หลอดไฟ</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>ออกจากระบบ</translation>
    </message>
    <message>
        <source>Mail Forward</source>
        <translation>ส่งต่ออีเมล</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>ตลาด</translation>
    </message>
    <message>
        <source>Media Fast Forward</source>
        <translation>กรอสื่อไปข้างหน้า</translation>
    </message>
    <message>
        <source>Media Next</source>
        <translation>สื่อถัดไป</translation>
    </message>
    <message>
        <source>Media Pause</source>
        <translation>พักสื่อ</translation>
    </message>
    <message>
        <source>Media Play</source>
        <translation>เล่นสื่อ</translation>
    </message>
    <message>
        <source>Media Previous</source>
        <translation>สื่อก่อนหน้า</translation>
    </message>
    <message>
        <source>Media Record</source>
        <translation>บันทึกสื่อ</translation>
    </message>
    <message>
        <source>Media Rewind</source>
        <translation>กรอสื่อกลับ</translation>
    </message>
    <message>
        <source>Media Stop</source>
        <translation>หยุดสื่อ</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>การประชุม</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>บันทึกช่วยจำ</translation>
    </message>
    <message>
        <source>Menu PB</source>
        <translation>เมนู PB</translation>
    </message>
    <message>
        <source>Messenger</source>
        <translation>โปรแกรมส่งข้อความ</translation>
    </message>
    <message>
        <source>Microphone Mute</source>
        <translation>ปิดไมโครโฟน</translation>
    </message>
    <message>
        <source>Microphone Volume Down</source>
        <translation>ลดเสียงไมโครโฟน</translation>
    </message>
    <message>
        <source>Microphone Volume Up</source>
        <translation>เพิ่มเสียงไมโครโฟน</translation>
    </message>
    <message>
        <source>Monitor Brightness Down</source>
        <translation>ลดความสว่างจอ</translation>
    </message>
    <message>
        <source>Monitor Brightness Up</source>
        <translation>เพิ่มความสว่างจอ</translation>
    </message>
    <message>
        <source>Multiple Candidate</source>
        <translation>ตัวเลือกหลายตัว</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>เพลง</translation>
    </message>
    <message>
        <source>My Sites</source>
        <translation>เว็บไซต์ของฉัน</translation>
    </message>
    <message>
        <source>New</source>
        <translation>ใหม่</translation>
    </message>
    <message>
        <source>News</source>
        <translation>ข่าว</translation>
    </message>
    <message>
        <source>No</source>
        <translation>ไม่ใช่</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>เปิด URL</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>ตัวเลือก</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>วาง</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>โทรศัพท์</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>รูปภาพ</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>เล่น</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>ปิดเครื่อง</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>ปิดเครื่อง</translation>
    </message>
    <message>
        <source>Previous Candidate</source>
        <translation>ตัวเลือกก่อนหน้า</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>เครื่องพิมพ์</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>แดง</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>เรียกใหม่</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>โหลดใหม่</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>ตอบกลับ</translation>
    </message>
    <message>
        <source>Rotate Windows</source>
        <translation>หมุนหน้าต่าง</translation>
    </message>
    <message>
        <source>Rotation KB</source>
        <translation>หมุน KB</translation>
    </message>
    <message>
        <source>Rotation PB</source>
        <translation>หมุน PB</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>ภาพพักหน้าจอ</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>ค้นหา</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>เลือก</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>ส่ง</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>ร้านค้า</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>พักเครื่อง</translation>
    </message>
    <message>
        <source>Spellchecker</source>
        <translation>ตรวจตัวสะกด</translation>
    </message>
    <message>
        <source>Split Screen</source>
        <translation>แบ่งจอ</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>ตารางคำนวณ</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>สแตนด์บาย</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>คำบรรยาย</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>ฝ่ายช่วยเหลือ</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>พักการทำงาน</translation>
    </message>
    <message>
        <source>Task Panel</source>
        <translation>แผงงาน</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>เทอร์มินัล</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>เวลา</translation>
    </message>
    <message>
        <source>To-do list</source>
        <translation>รายการสิ่งที่ต้องทำ</translation>
    </message>
    <message>
        <source>Toggle Call/Hangup</source>
        <translation>สลับโทร/วางสาย</translation>
    </message>
    <message>
        <source>Toggle Media Play/Pause</source>
        <translation>สลับเล่น/พักสื่อ</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>เครื่องมือ</translation>
    </message>
    <message>
        <source>Top Menu</source>
        <translation>เมนูบนสุด</translation>
    </message>
    <message>
        <source>Touchpad Off</source>
        <translation>ปิดทัชแพด</translation>
    </message>
    <message>
        <source>Touchpad On</source>
        <translation>เปิดทัชแพด</translation>
    </message>
    <message>
        <source>Touchpad Toggle</source>
        <translation>เปิด/ปิดทัชแพด</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>ท่องเที่ยว</translation>
    </message>
    <message>
        <source>Treble Down</source>
        <translation>ลดเสียงแหลม</translation>
    </message>
    <message>
        <source>Treble Up</source>
        <translation>เพิ่มเสียงแหลม</translation>
    </message>
    <message>
        <source>Ultra Wide Band</source>
        <translation>อัลตราไวด์แบนด์</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>วิดีโอ</translation>
    </message>
    <message>
        <source>View</source>
        <translation>มุมมอง</translation>
    </message>
    <message>
        <source>Voice Dial</source>
        <translation>โทรด้วยเสียง</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>ลดเสียง</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>ปิดเสียง</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>เพิ่มเสียง</translation>
    </message>
    <message>
        <source>Wake Up</source>
        <translation>ปลุกเครื่อง</translation>
    </message>
    <message>
        <source>WebCam</source>
        <translation>เว็บแคม</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>ไร้สาย</translation>
    </message>
    <message>
        <source>Word Processor</source>
        <translation>โปรแกรมประมวลคำ</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>เว็บ</translation>
    </message>
    <message>
        <source>XFer</source>
        <translation>โอนย้าย</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>เหลือง</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>ใช่</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ย่อ/ขยาย</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ขยาย</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ย่อ</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>เลื่อนไปทางซ้าย</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>เลื่อนไปทางขวา</translation>
    </message>
</context>
<context>
    <name>QUndoGroup</name>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>ทำซ้ำ %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>เลิกทำ %1</translation>
    </message>
</context>
<context>
    <name>QUndoModel</name>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;ว่าง&gt;</translation>
    </message>
</context>
<context>
    <name>QUndoStack</name>
    <message>
        <source>Redo</source>
        <translation>ทำซ้ำ</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>ทำซ้ำ %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>เลิกทำ</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>เลิกทำ %1</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI แยกส่วนตามอักขระทิศทางแรก</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>แทรกอักขระควบคุมยูนิโคด</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE เริ่มการฝังซ้ายไปขวา</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI แยกส่วนซ้ายไปขวา</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM เครื่องหมายซ้ายไปขวา</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO เริ่มการบังคับซ้ายไปขวา</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF จบการจัดทิศทาง</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI จบการแยกส่วนทิศทาง</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE เริ่มการฝังขวาไปซ้าย</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI แยกส่วนขวาไปซ้าย</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM เครื่องหมายขวาไปซ้าย</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO เริ่มการบังคับขวาไปซ้าย</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ ตัวเชื่อมไร้ความกว้าง</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ ตัวกั้นการเชื่อมไร้ความกว้าง</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP ช่องว่างไร้ความกว้าง</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What&apos;s This?</source>
        <translation>นี่คืออะไร?</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;คัดลอก</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;วาง</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>ทำ&amp;ซ้ำ</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;เลิกทำ</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>คัดลอกที่อยู่&amp;ลิงก์</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;ตัด</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>ลบ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>เลือกทั้งหมด</translation>
    </message>
</context>
<context>
    <name>quiaccessibilityelement</name>
    <message>
        <source>checked</source>
        <translation>เลือกอยู่</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>ไม่ได้เลือก</translation>
    </message>
</context>
</TS>
