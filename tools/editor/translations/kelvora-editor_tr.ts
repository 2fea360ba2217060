<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>kelvora::Autosave</name>
    <message>
        <source>The unsaved changes could not be kept in %1</source>
        <translation>Kaydedilmemiş değişiklikler %1 içinde saklanamadı</translation>
    </message>
    <message>
        <source>The unsaved changes could not be kept: %1</source>
        <translation>Kaydedilmemiş değişiklikler saklanamadı: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::ChecksPanel</name>
    <message>
        <source>Checks</source>
        <translation>Denetimler</translation>
    </message>
    <message>
        <source>No problems found.</source>
        <translation>Sorun bulunamadı.</translation>
    </message>
    <message>
        <source>Not checked in the editor: %1</source>
        <translation>Düzenleyicide denetlenmedi: %1</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDifferences</name>
    <message>
        <source>Step</source>
        <translation>Adım</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>%1 %2: added</source>
        <translation>%1 %2: eklendi</translation>
    </message>
    <message>
        <source>%1 %2: %3 changed</source>
        <translation>%1 %2: %3 değişti</translation>
    </message>
    <message>
        <source>%1 %2: removed</source>
        <translation>%1 %2: kaldırıldı</translation>
    </message>
    <message>
        <source>Steps of %1: in another order</source>
        <translation>%1 adımları: başka sırada</translation>
    </message>
    <message>
        <source>Screens: in another order</source>
        <translation>Ekranlar: başka sırada</translation>
    </message>
    <message>
        <source>Course: %1 changed</source>
        <translation>Kurs: %1 değişti</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseDocument</name>
    <message>
        <source>%1: cannot be read (%2)</source>
        <translation>%1: okunamıyor (%2)</translation>
    </message>
    <message>
        <source>%1 is a format 1 course: the editor shows it but cannot save it. Only format 2 courses (&quot;format&quot;: 2) are edited.</source>
        <translation>%1 biçim 1 kursudur: düzenleyici onu gösterir ama kaydedemez. Yalnızca biçim 2 kursları (&quot;format&quot;: 2) düzenlenir.</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened: not saved</source>
        <translation>%1 açıldıktan sonra diskte değişti: kaydedilmedi</translation>
    </message>
    <message>
        <source>%1: not saved (the folder %2 cannot be made)</source>
        <translation>%1: kaydedilmedi (%2 klasörü oluşturulamıyor)</translation>
    </message>
    <message>
        <source>%1: not saved (%2 cannot be copied to %3); the file on disk is as it was</source>
        <translation>%1: kaydedilmedi (%2, %3 konumuna kopyalanamıyor); diskteki dosya olduğu gibi duruyor</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: böyle bir dosya yok</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseEdits</name>
    <message>
        <source>course</source>
        <translation>kurs</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>ekran</translation>
    </message>
    <message>
        <source>step</source>
        <translation>adım</translation>
    </message>
    <message>
        <source>Move target</source>
        <translation>Hedefi taşı</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>%1 düzenle (%2)</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 yeniden adlandır</translation>
    </message>
    <message>
        <source>Set sound</source>
        <translation>Sesi ayarla</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>%1 ayarla</translation>
    </message>
    <message>
        <source>watched target</source>
        <translation>izlenen hedef</translation>
    </message>
    <message>
        <source>group target</source>
        <translation>grup hedefi</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 sil</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 ekle</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Grubu sil</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Grup ekle</translation>
    </message>
    <message>
        <source>Set group</source>
        <translation>Grubu ayarla</translation>
    </message>
    <message>
        <source>Set photograph</source>
        <translation>Fotoğrafı ayarla</translation>
    </message>
    <message>
        <source>Set presses</source>
        <translation>Basışları ayarla</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Adım ekle</translation>
    </message>
    <message>
        <source>Add screen</source>
        <translation>Ekran ekle</translation>
    </message>
    <message>
        <source>Duplicate %1</source>
        <translation>%1 çoğalt</translation>
    </message>
    <message>
        <source>Move %1</source>
        <translation>%1 taşı</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>%1 etiketini düzenle (%2)</translation>
    </message>
    <message>
        <source>Add language %1</source>
        <translation>%1 dilini ekle</translation>
    </message>
    <message>
        <source>Remove language %1</source>
        <translation>%1 dilini kaldır</translation>
    </message>
    <message>
        <source>Rename language %1</source>
        <translation>%1 dilini yeniden adlandır</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseFiles</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)</source>
        <translation>Resimler (*.jpg *.jpeg *.png *.bmp);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
</context>
<context>
    <name>kelvora::CourseModel</name>
    <message>
        <source>circle at %1, %2, radius %3</source>
        <translation>daire %1, %2, yarıçap %3</translation>
    </message>
    <message>
        <source>oval %1, %2, %3 x %4</source>
        <translation>oval %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>rectangle %1, %2, %3 x %4</source>
        <translation>dikdörtgen %1, %2, %3 x %4</translation>
    </message>
    <message>
        <source>Look at %1</source>
        <translation>Bakılacak: %1</translation>
    </message>
    <message numerus="yes">
        <source>Sequence of %n photograph(s)</source>
        <translation>
            <numerusform>%n fotoğraflık dizi</numerusform>
        </translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gaz kolu</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Hedef %1</translation>
    </message>
    <message>
        <source>Watched target</source>
        <translation>İzlenen hedef</translation>
    </message>
    <message>
        <source>Finger lift</source>
        <translation>Parmak kilidi</translation>
    </message>
    <message>
        <source>Screens and steps</source>
        <translation>Ekranlar ve adımlar</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>screen</source>
        <translation>ekran</translation>
    </message>
    <message>
        <source>step</source>
        <translation>adım</translation>
    </message>
    <message>
        <source>group</source>
        <translation>grup</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 yeniden adlandır</translation>
    </message>
    <message>
        <source>Move screen</source>
        <translation>Ekranı taşı</translation>
    </message>
    <message>
        <source>Move step to another screen</source>
        <translation>Adımı başka bir ekrana taşı</translation>
    </message>
    <message>
        <source>Move step</source>
        <translation>Adımı taşı</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: an id is made of letters, digits, &apos;-&apos;, &apos;_&apos; and &apos;.&apos;</source>
        <translation>&apos;%1&apos;: kimlik harf, rakam, &apos;-&apos;, &apos;_&apos; ve &apos;.&apos; karakterlerinden oluşur</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: another screen has this id</source>
        <translation>&apos;%1&apos;: bu kimlik başka bir ekran tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a step of the screen has this id</source>
        <translation>&apos;%1&apos;: bu kimlik ekranın bir adımı tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: a group of the screen has this id</source>
        <translation>&apos;%1&apos;: bu kimlik ekranın bir grubu tarafından kullanılıyor</translation>
    </message>
    <message>
        <source>Delete screen</source>
        <translation>Ekranı sil</translation>
    </message>
    <message>
        <source>Delete step</source>
        <translation>Adımı sil</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Grubu sil</translation>
    </message>
    <message>
        <source>Delete group target</source>
        <translation>Grup hedefini sil</translation>
    </message>
    <message>
        <source>Delete watched target</source>
        <translation>İzlenen hedefi sil</translation>
    </message>
    <message>
        <source>Delete finger lift</source>
        <translation>Parmak kilidini sil</translation>
    </message>
</context>
<context>
    <name>kelvora::EditorWindow</name>
    <message>
        <source>Photograph</source>
        <translation>Fotoğraf</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>Ana hat</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Metinler</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Denetimler</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Sorun bulunamadı</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Yeni kurs...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Open &amp;folder...</source>
        <translation>&amp;Klasör aç...</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>&amp;Son açılanlar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>&amp;Farklı kaydet...</translation>
    </message>
    <message>
        <source>&amp;Close course</source>
        <translation>Kursu ka&amp;pat</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>Add scr&amp;een</source>
        <translation>&amp;Ekran ekle</translation>
    </message>
    <message>
        <source>Add s&amp;tep</source>
        <translation>A&amp;dım ekle</translation>
    </message>
    <message>
        <source>&amp;Duplicate</source>
        <translation>Ç&amp;oğalt</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Yukarı taşı</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>A&amp;şağı taşı</translation>
    </message>
    <message>
        <source>&amp;Photograph...</source>
        <translation>&amp;Fotoğraf...</translation>
    </message>
    <message>
        <source>S&amp;ound file...</source>
        <translation>Ses &amp;dosyası...</translation>
    </message>
    <message>
        <source>Add &amp;language...</source>
        <translation>Di&amp;l ekle...</translation>
    </message>
    <message>
        <source>Re&amp;name language...</source>
        <translation>Dili yeniden a&amp;dlandır...</translation>
    </message>
    <message>
        <source>Remove lan&amp;guage...</source>
        <translation>Dili &amp;kaldır...</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Git</translation>
    </message>
    <message>
        <source>&amp;Outline</source>
        <translation>&amp;Ana hat</translation>
    </message>
    <message>
        <source>P&amp;hotograph</source>
        <translation>&amp;Fotoğraf</translation>
    </message>
    <message>
        <source>&amp;Texts</source>
        <translation>&amp;Metinler</translation>
    </message>
    <message>
        <source>&amp;Checks</source>
        <translation>De&amp;netimler</translation>
    </message>
    <message>
        <source>Play s&amp;ound</source>
        <translation>Sesi ç&amp;al</translation>
    </message>
    <message>
        <source>Play from &amp;here</source>
        <translation>B&amp;uradan oynat</translation>
    </message>
    <message>
        <source>Language to play in</source>
        <translation>Oynatma dili</translation>
    </message>
    <message>
        <source>KELVORA course editor</source>
        <translation>KELVORA kurs düzenleyici</translation>
    </message>
    <message>
        <source>%1 has changes that were not saved, kept on %2. Restore them?</source>
        <translation>%1 dosyasının %2 tarihinde saklanmış kaydedilmemiş değişiklikleri var. Geri yüklensin mi?</translation>
    </message>
    <message>
        <source>Restore unsaved changes</source>
        <translation>Kaydedilmemiş değişiklikleri geri yükle</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program. Reload it (your unsaved changes are lost), or keep yours and save them under another name?</source>
        <translation>%1 başka bir program tarafından diskte değiştirildi. Yeniden yüklensin mi (kaydedilmemiş değişiklikleriniz kaybolur), yoksa sizinkiler korunup başka bir adla mı kaydedilsin?</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened. Replace it with your version?</source>
        <translation>%1 açıldıktan sonra diskte değişti. Sizin sürümünüzle değiştirilsin mi?</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 kaydedildi</translation>
    </message>
    <message>
        <source>Save the course as</source>
        <translation>Kursu farklı kaydet</translation>
    </message>
    <message>
        <source>Courses (*.json)</source>
        <translation>Kurslar (*.json)</translation>
    </message>
    <message>
        <source>Add a language</source>
        <translation>Dil ekle</translation>
    </message>
    <message>
        <source>Language tag</source>
        <translation>Dil kodu</translation>
    </message>
    <message>
        <source>de, pt-BR ...</source>
        <translation>de, pt-BR ...</translation>
    </message>
    <message>
        <source>Language name</source>
        <translation>Dil adı</translation>
    </message>
    <message>
        <source>&amp;Tag</source>
        <translation>&amp;Kod</translation>
    </message>
    <message>
        <source>&amp;Name on the start screen</source>
        <translation>Başlangıç ekranındaki &amp;ad</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a new language tag (such as de or pt-BR)</source>
        <translation>&apos;%1&apos; yeni bir dil kodu değil (de veya pt-BR gibi)</translation>
    </message>
    <message>
        <source>Rename a language</source>
        <translation>Dili yeniden adlandır</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>A course keeps at least one language.</source>
        <translation>Bir kursta en az bir dil kalır.</translation>
    </message>
    <message>
        <source>Remove a language</source>
        <translation>Dili kaldır</translation>
    </message>
    <message>
        <source>&amp;Language to remove with all its texts (undo brings them back)</source>
        <translation>Tüm metinleriyle kaldırılacak &amp;dil (geri al onları geri getirir)</translation>
    </message>
    <message>
        <source>The course has no screen to play yet.</source>
        <translation>Kursta henüz oynatılacak ekran yok.</translation>
    </message>
    <message>
        <source>Choose or make a folder for the new course</source>
        <translation>Yeni kurs için bir klasör seçin veya oluşturun</translation>
    </message>
    <message>
        <source>Open a course</source>
        <translation>Kurs aç</translation>
    </message>
    <message>
        <source>Open a course folder</source>
        <translation>Kurs klasörü aç</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Kaydedilmemiş değişiklikler</translation>
    </message>
    <message>
        <source>%1 has changes that are not saved.</source>
        <translation>%1 dosyasında kaydedilmemiş değişiklikler var.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Geri yükle</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;At</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Yeniden yükle</translation>
    </message>
    <message>
        <source>&amp;Keep mine (save as)...</source>
        <translation>&amp;Benimkini koru (farklı kaydet)...</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Değiştir</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>No difference in the course&apos;s contents.</source>
        <translation>Kursun içeriğinde fark yok.</translation>
    </message>
    <message>
        <source>%1[*] - %2%3 - KELVORA course editor</source>
        <translation>%1[*] - %2%3 - KELVORA kurs düzenleyici</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (salt okunur)</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s)</source>
        <translation>
            <numerusform>%n bulgu</numerusform>
        </translation>
    </message>
    <message>
        <source>Screens from p&amp;hotographs...</source>
        <translation>&amp;Fotoğraflardan ekranlar...</translation>
    </message>
    <message>
        <source>Steps from photo&amp;graphs...</source>
        <translation>Fotoğ&amp;raflardan adımlar...</translation>
    </message>
    <message>
        <source>&amp;Copy step</source>
        <translation>Adımı &amp;kopyala</translation>
    </message>
    <message>
        <source>Cu&amp;t step</source>
        <translation>Adımı ke&amp;s</translation>
    </message>
    <message>
        <source>&amp;Paste steps</source>
        <translation>Adımları ya&amp;pıştır</translation>
    </message>
    <message>
        <source>Paste t&amp;arget</source>
        <translation>Hede&amp;fi yapıştır</translation>
    </message>
    <message>
        <source>Move step to scree&amp;n...</source>
        <translation>Adımı ekra&amp;na taşı...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Gö&amp;rünüm</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Uzaklaştır</translation>
    </message>
    <message>
        <source>&amp;Fit the page</source>
        <translation>Sayfayı &amp;sığdır</translation>
    </message>
    <message>
        <source>&amp;Actual pixels of the photograph</source>
        <translation>Fotoğrafın &amp;gerçek pikselleri</translation>
    </message>
    <message>
        <source>Draw &amp;rectangles</source>
        <translation>&amp;Dikdörtgen çiz</translation>
    </message>
    <message>
        <source>Draw &amp;circles</source>
        <translation>&amp;Daire çiz</translation>
    </message>
    <message>
        <source>Draw o&amp;vals</source>
        <translation>&amp;Oval çiz</translation>
    </message>
    <message>
        <source>Paste steps</source>
        <translation>Adımları yapıştır</translation>
    </message>
    <message>
        <source>Move a step to another screen</source>
        <translation>Bir adımı başka ekrana taşı</translation>
    </message>
    <message>
        <source>&amp;Screen</source>
        <translation>&amp;Ekran</translation>
    </message>
    <message>
        <source>Move step to %1</source>
        <translation>Adımı %1 ekranına taşı</translation>
    </message>
    <message>
        <source>Screens from photographs: one screen each, in name order</source>
        <translation>Fotoğraflardan ekranlar: her biri için bir ekran, ad sırasıyla</translation>
    </message>
    <message>
        <source>Screens from photographs</source>
        <translation>Fotoğraflardan ekranlar</translation>
    </message>
    <message>
        <source>Steps from photographs: each press leaves one behind, in name order</source>
        <translation>Fotoğraflardan adımlar: her basış birini bırakır, ad sırasıyla</translation>
    </message>
    <message>
        <source>Steps from photographs</source>
        <translation>Fotoğraflardan adımlar</translation>
    </message>
    <message>
        <source>Remove &amp;unused files...</source>
        <translation>&amp;Kullanılmayan dosyaları kaldır...</translation>
    </message>
    <message>
        <source>&amp;Recording file...</source>
        <translation>Ka&amp;yıt dosyası...</translation>
    </message>
    <message>
        <source>Choose a recording&apos;s cell in the texts table first</source>
        <translation>Önce metin tablosunda bir kaydın hücresini seçin</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.ogg);;All files (*)</source>
        <translation>Kayıtlar (*.wav *.ogg);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>No unused pictures or sounds in %1</source>
        <translation>%1 içinde kullanılmayan resim veya ses yok</translation>
    </message>
    <message>
        <source>Remove unused files</source>
        <translation>Kullanılmayan dosyaları kaldır</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) or sound(s) in the course&apos;s folder are named neither by the saved course nor by the one you are editing. Remove them?</source>
        <translation>
            <numerusform>Kurs klasöründeki %n resim veya sesin adı ne kaydedilmiş kursta ne de düzenlediğiniz kursta geçiyor. Kaldırılsın mı?</numerusform>
        </translation>
    </message>
    <message>
        <source>Hear &amp;narration</source>
        <translation>&amp;Anlatımı dinle</translation>
    </message>
    <message>
        <source>Choose a text in the texts table first</source>
        <translation>Önce metin tablosunda bir metin seçin</translation>
    </message>
    <message>
        <source>Checks for &amp;keyboard use</source>
        <translation>&amp;Klavye kullanımı için denetimler</translation>
    </message>
</context>
<context>
    <name>kelvora::OutlineView</name>
    <message>
        <source>Course outline</source>
        <translation>Kursun ana hattı</translation>
    </message>
</context>
<context>
    <name>kelvora::PhotographView</name>
    <message>
        <source>Explanation</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Ek resim</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>No photograph yet: drop a picture file here.</source>
        <translation>Henüz fotoğraf yok: buraya bir resim dosyası bırakın.</translation>
    </message>
    <message>
        <source>Photograph not found:
%1</source>
        <translation>Fotoğraf bulunamadı:
%1</translation>
    </message>
    <message>
        <source>Photograph cannot be read:
%1
%2</source>
        <translation>Fotoğraf okunamıyor:
%1
%2</translation>
    </message>
    <message>
        <source>centre %1, %2  radius %3</source>
        <translation>merkez %1, %2  yarıçap %3</translation>
    </message>
    <message>
        <source>%1, %2  %3 × %4</source>
        <translation>%1, %2  %3 × %4</translation>
    </message>
</context>
<context>
    <name>kelvora::PlacePanel</name>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Çal</translation>
    </message>
    <message>
        <source>Sound file...</source>
        <translation>Ses dosyası...</translation>
    </message>
    <message>
        <source>Photograph...</source>
        <translation>Fotoğraf...</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Kimlik</translation>
    </message>
    <message>
        <source>Target shape</source>
        <translation>Hedef şekli</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Sesi çal</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>Basışlar</translation>
    </message>
    <message>
        <source>How often the step is pressed; each press leaves its own photograph</source>
        <translation>Adıma kaç kez basılacağı; her basış kendi fotoğrafını bırakır</translation>
    </message>
    <message>
        <source>&amp;Id</source>
        <translation>&amp;Kimlik</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Hedef</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Fotoğraf</translation>
    </message>
    <message>
        <source>&apos;%1&apos;: the course&apos;s id is a URI or URN, such as urn:example:courses:mine</source>
        <translation>&apos;%1&apos;: kursun kimliği urn:example:courses:mine gibi bir URI veya URN&apos;dir</translation>
    </message>
    <message>
        <source>The photograph the press leaves behind, or one per press</source>
        <translation>Basışın bıraktığı fotoğraf ya da her basış için bir tane</translation>
    </message>
    <message>
        <source>The screen&apos;s photograph</source>
        <translation>Ekranın fotoğrafı</translation>
    </message>
    <message>
        <source>Photograph the press leaves behind, or one per press</source>
        <translation>Basışın bıraktığı fotoğraf ya da her basış için bir tane</translation>
    </message>
    <message>
        <source>Sounds (*.wav);;All files (*)</source>
        <translation>Sesler (*.wav);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;W</source>
        <translation>&amp;G</translation>
    </message>
    <message>
        <source>&amp;H</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;R</source>
        <translation>&amp;R</translation>
    </message>
    <message>
        <source>Replace photograph</source>
        <translation>Fotoğrafı değiştir</translation>
    </message>
</context>
<context>
    <name>kelvora::ScreenPanel</name>
    <message>
        <source>Sequence...</source>
        <translation>Dizi...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Add target</source>
        <translation>Hedef ekle</translation>
    </message>
    <message>
        <source>Delete target</source>
        <translation>Hedefi sil</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Grubu sil</translation>
    </message>
    <message>
        <source>Watch target</source>
        <translation>İzlenen hedef</translation>
    </message>
    <message>
        <source>Inset...</source>
        <translation>Ek resim...</translation>
    </message>
    <message>
        <source>Inset place</source>
        <translation>Ek resmin yeri</translation>
    </message>
    <message>
        <source>Engine loop</source>
        <translation>Motor döngüsü</translation>
    </message>
    <message>
        <source>The timed sequence&apos;s photographs, shown one per period after the last step</source>
        <translation>Zamanlı dizinin fotoğrafları, son adımdan sonra her periyotta bir tane</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Sequence period</source>
        <translation>Dizi periyodu</translation>
    </message>
    <message>
        <source>Sequence sound</source>
        <translation>Dizi sesi</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Ek resim</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Döngü</translation>
    </message>
    <message>
        <source>Add group</source>
        <translation>Grup ekle</translation>
    </message>
    <message>
        <source>Look-only target</source>
        <translation>Yalnızca bakılan hedef</translation>
    </message>
    <message>
        <source>Group id</source>
        <translation>Grup kimliği</translation>
    </message>
    <message>
        <source>Look-only target shape</source>
        <translation>Yalnızca bakılan hedefin şekli</translation>
    </message>
    <message>
        <source>Looks</source>
        <translation>Bakışlar</translation>
    </message>
    <message>
        <source>group id</source>
        <translation>grup kimliği</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>Timed sequence...</source>
        <translation>Zamanlı dizi...</translation>
    </message>
    <message>
        <source>Sequence: %1 photographs...</source>
        <translation>Dizi: %1 fotoğraf...</translation>
    </message>
    <message>
        <source>(the steps&apos; targets)</source>
        <translation>(adımların hedefleri)</translation>
    </message>
    <message>
        <source>group %1: target %2 of %3</source>
        <translation>grup %1: hedef %2 / %3</translation>
    </message>
    <message>
        <source>watched by the sequence</source>
        <translation>dizinin izlediği</translation>
    </message>
    <message>
        <source>The sequence&apos;s photographs, in order</source>
        <translation>Dizinin fotoğrafları, sırayla</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ses</translation>
    </message>
</context>
<context>
    <name>kelvora::StartPage</name>
    <message>
        <source>Make a course of screens, steps and targets on your photographs.</source>
        <translation>Fotoğraflarınız üzerinde ekranlardan, adımlardan ve hedeflerden bir kurs oluşturun.</translation>
    </message>
    <message>
        <source>&amp;New course...</source>
        <translation>&amp;Yeni kurs...</translation>
    </message>
    <message>
        <source>&amp;Open a course...</source>
        <translation>Kurs &amp;aç...</translation>
    </message>
    <message>
        <source>&amp;Recent courses</source>
        <translation>&amp;Son kurslar</translation>
    </message>
    <message>
        <source>E&amp;xamples</source>
        <translation>Ö&amp;rnekler</translation>
    </message>
    <message>
        <source>Recent courses</source>
        <translation>Son kurslar</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Örnekler</translation>
    </message>
</context>
<context>
    <name>kelvora::TextFit</name>
    <message>
        <source>far too long (%1 characters)</source>
        <translation>çok fazla uzun (%1 karakter)</translation>
    </message>
    <message>
        <source>1 row too long</source>
        <translation>1 satır fazla uzun</translation>
    </message>
    <message>
        <source>%1 rows too long</source>
        <translation>%1 satır fazla uzun</translation>
    </message>
    <message>
        <source>a word too wide (%1 px)</source>
        <translation>bir sözcük çok geniş (%1 px)</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>sığıyor</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsModel</name>
    <message>
        <source>Start button</source>
        <translation>Başlat düğmesi</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sonraki</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Language label</source>
        <translation>Dil etiketi</translation>
    </message>
    <message>
        <source>Credit line</source>
        <translation>Emeği geçenler satırı</translation>
    </message>
    <message>
        <source>title</source>
        <translation>başlık</translation>
    </message>
    <message>
        <source>description</source>
        <translation>açıklama</translation>
    </message>
    <message>
        <source>loop caption</source>
        <translation>döngü alt yazısı</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etiket</translation>
    </message>
    <message>
        <source>sound caption</source>
        <translation>ses alt yazısı</translation>
    </message>
    <message>
        <source>caption at half</source>
        <translation>yarıdaki alt yazı</translation>
    </message>
    <message>
        <source>caption at IDLE</source>
        <translation>IDLE konumundaki alt yazı</translation>
    </message>
    <message>
        <source>recording (sound file)</source>
        <translation>kayıt (ses dosyası)</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>%1: text</source>
        <translation>%1: metin</translation>
    </message>
    <message>
        <source>A recording of the text in %1 (a WAV or OGG file in the course&apos;s folder), played instead of synthesised speech</source>
        <translation>Metnin %1 dilindeki kaydı (kurs klasöründe bir WAV veya OGG dosyası), yapay ses yerine çalınır</translation>
    </message>
    <message>
        <source>Empty: the trainer&apos;s own caption for %1</source>
        <translation>Boş: eğitmenin %1 için kendi etiketi</translation>
    </message>
    <message>
        <source>Missing in %1</source>
        <translation>%1 dilinde eksik</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>eksik</translation>
    </message>
    <message>
        <source>Edit caption %1 (%2)</source>
        <translation>%1 etiketini düzenle (%2)</translation>
    </message>
    <message>
        <source>Edit %1 (%2)</source>
        <translation>%1 düzenle (%2)</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Ekran</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Adım</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Dizi</translation>
    </message>
    <message>
        <source>Throttle</source>
        <translation>Gaz kolu</translation>
    </message>
    <message>
        <source>Inset</source>
        <translation>Ek resim</translation>
    </message>
</context>
<context>
    <name>kelvora::TextsTable</name>
    <message>
        <source>Texts</source>
        <translation>Metinler</translation>
    </message>
</context>
<context>
    <name>kelvora::TrainerLauncher</name>
    <message>
        <source>kelvora-trainer was found neither beside the editor (%1) nor on PATH</source>
        <translation>kelvora-trainer ne düzenleyicinin yanında (%1) ne de PATH içinde bulundu</translation>
    </message>
    <message>
        <source>%1 did not start</source>
        <translation>%1 başlamadı</translation>
    </message>
</context>
</TS>
