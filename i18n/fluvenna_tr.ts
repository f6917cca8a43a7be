<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>DisplacementThickness</name>
    <message>
        <source>δ* drawn up to separation (S) only</source>
        <translation>δ* yalnızca ayrılmaya (S) kadar çizili</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>KATJO-D20G15.txt dosyası bulunamadı</source>
        <translation>KATJO-D20G15.txt dosyası bulunamadı</translation>
    </message>
    <message>
        <source>the value of %1 is too large to compute with</source>
        <translation>%1 değeri hesap yapılamayacak kadar büyük</translation>
    </message>
    <message>
        <source>dR must be greater than 0 to trace the streamlines</source>
        <translation>Akım çizgilerini izlemek için dR 0&apos;dan büyük olmalı</translation>
    </message>
    <message>
        <source>Scale must not be 0: the plots would have no width</source>
        <translation>Scale 0 olamaz: çizimlerin genişliği olmazdı</translation>
    </message>
    <message>
        <source>the selected profile row gives no usable circle</source>
        <translation>Seçilen profil satırı kullanılabilir bir çember vermiyor</translation>
    </message>
    <message>
        <source>the circle-plane plot could not be drawn (its scale or a coordinate is not usable)</source>
        <translation>Çember düzlemi çizimi yapılamadı (ölçeği ya da bir koordinatı kullanılamıyor)</translation>
    </message>
    <message>
        <source>the airfoil plot could not be drawn (its scale or a coordinate is not usable)</source>
        <translation>Kanat çizimi yapılamadı (ölçeği ya da bir koordinatı kullanılamıyor)</translation>
    </message>
    <message>
        <source>nSL is limited to %1: the curves up to 20 are drawn</source>
        <translation>nSL %1 ile sınırlı: 20&apos;ye kadarki eğriler çiziliyor</translation>
    </message>
    <message>
        <source>the dividing streamline is left out: the flow has no stagnation point on the circle (Kutta factor beyond 1)</source>
        <translation>Ayırma akım çizgisi çıkarıldı: akımın çember üzerinde durma noktası yok (Kutta şartı 1&apos;in ötesinde)</translation>
    </message>
    <message>
        <source>curve %1 is cut short at %2 points (dR is too small to reach the edge of the plot)</source>
        <translation>Eğri %1, %2 noktada kesildi (dR, çizimin kenarına ulaşmak için çok küçük)</translation>
    </message>
    <message>
        <source>curve %1 ends early: the streamline has no further point</source>
        <translation>Eğri %1 erken bitiyor: akım çizgisinin başka noktası yok</translation>
    </message>
    <message>
        <source>curve %1 is left out: it has no second point</source>
        <translation>Eğri %1 çıkarıldı: ikinci noktası yok</translation>
    </message>
    <message>
        <source>curve %1 is left out with it</source>
        <translation>Eğri %1 de onunla birlikte çıkarıldı</translation>
    </message>
    <message>
        <source>curve %1 is left out: its streamline does not cross the y axis</source>
        <translation>Eğri %1 çıkarıldı: akım çizgisi y eksenini kesmiyor</translation>
    </message>
    <message>
        <source>curve %1 is left out: it has no point beside its apex</source>
        <translation>Eğri %1 çıkarıldı: tepe noktasından başka noktası yok</translation>
    </message>
    <message>
        <source>curve %1 is left out of the airfoil plot: the map has no image of it</source>
        <translation>Eğri %1 kanat çiziminden çıkarıldı: dönüşümde görüntüsü yok</translation>
    </message>
    <message>
        <source>curve %1: %2 point(s) at the centre of the map left out of the airfoil plot</source>
        <translation>Eğri %1: dönüşümün merkezindeki %2 nokta kanat çiziminden çıkarıldı</translation>
    </message>
    <message>
        <source>the surface is not computed: the chord of the profile is not usable</source>
        <translation>Yüzey hesaplanmadı: profilin veteri kullanılamıyor</translation>
    </message>
    <message>
        <source>the trailing edge is left out of the surface: with a Kutta factor other than 1 the speed there is unbounded</source>
        <translation>Firar kenarı yüzeyden çıkarıldı: Kutta şartı 1&apos;den farklıyken orada hız sınırsız</translation>
    </message>
    <message>
        <source>the leading edge is left out of the surface: the circle passes through both singular points of the map, so the speed there is unbounded too</source>
        <translation>Hücum kenarı yüzeyden çıkarıldı: çember dönüşümün iki tekil noktasından da geçiyor, bu yüzden orada da hız sınırsız</translation>
    </message>
    <message>
        <source>%1 surface point(s) with an unbounded speed left out</source>
        <translation>Hızı sınırsız olan %1 yüzey noktası dışarıda bırakıldı</translation>
    </message>
    <message>
        <source>the chord of the profile is not a positive number</source>
        <translation>Profilin veteri pozitif bir sayı değil</translation>
    </message>
    <message>
        <source>the Kutta factor is not a finite number</source>
        <translation>Kutta şartı sonlu bir sayı değil</translation>
    </message>
    <message>
        <source>the profile&apos;s circle is not made of finite numbers</source>
        <translation>Profilin çemberi sonlu sayılardan oluşmuyor</translation>
    </message>
    <message>
        <source>alpha is not a finite number, so the curve has no point for it</source>
        <translation>Alfa sonlu bir sayı değil, bu yüzden eğride onun noktası yok</translation>
    </message>
    <message>
        <source>alpha lies more than one turn from zero: the curve shows it as a lone point</source>
        <translation>Alfa sıfırdan bir turdan fazla uzakta: eğri onu tek başına bir nokta olarak gösteriyor</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>PNG ↑</source>
        <translation>PNG ↑</translation>
    </message>
    <message>
        <source>Save the circle plot as PNG</source>
        <translation>Çember çizimini PNG olarak kaydet</translation>
    </message>
    <message>
        <source>PNG ↓</source>
        <translation>PNG ↓</translation>
    </message>
    <message>
        <source>Save the airfoil plot as PNG</source>
        <translation>Kanat profili çizimini PNG olarak kaydet</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Save every point of the pass as CSV</source>
        <translation>Hesabın bütün noktalarını CSV olarak kaydet</translation>
    </message>
    <message>
        <source>PNG Cp</source>
        <translation>PNG Cp</translation>
    </message>
    <message>
        <source>PNG Cp: save the surface-pressure plot as PNG</source>
        <translation>PNG Cp: yüzey basıncı çizimini PNG olarak kaydet</translation>
    </message>
    <message>
        <source>CSV Cp</source>
        <translation>CSV Cp</translation>
    </message>
    <message>
        <source>CSV Cp: save the surface speed and pressure as CSV</source>
        <translation>CSV Cp: yüzeydeki hızı ve basıncı CSV olarak kaydet</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Canlı</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tam ekran</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Tam ekrandan çık</translation>
    </message>
    <message>
        <source>Profile and flow</source>
        <translation>Profil ve akım</translation>
    </message>
    <message>
        <source>thickness δ</source>
        <translation>kalınlık δ</translation>
    </message>
    <message>
        <source>thickness δ down</source>
        <translation>kalınlık δ azalt</translation>
    </message>
    <message>
        <source>thickness δ up</source>
        <translation>kalınlık δ artır</translation>
    </message>
    <message>
        <source>thickness δ scroll bar</source>
        <translation>kalınlık δ kaydırma çubuğu</translation>
    </message>
    <message>
        <source>camber γ</source>
        <translation>kamburluk γ</translation>
    </message>
    <message>
        <source>camber γ down</source>
        <translation>kamburluk γ azalt</translation>
    </message>
    <message>
        <source>camber γ up</source>
        <translation>kamburluk γ artır</translation>
    </message>
    <message>
        <source>camber γ scroll bar</source>
        <translation>kamburluk γ kaydırma çubuğu</translation>
    </message>
    <message>
        <source>angle of attack α in degrees</source>
        <translation>derece cinsinden hücum açısı α</translation>
    </message>
    <message>
        <source>angle of attack α down</source>
        <translation>hücum açısı α azalt</translation>
    </message>
    <message>
        <source>angle of attack α up</source>
        <translation>hücum açısı α artır</translation>
    </message>
    <message>
        <source>angle of attack α scroll bar</source>
        <translation>hücum açısı α kaydırma çubuğu</translation>
    </message>
    <message>
        <source>Kutta factor</source>
        <translation>Kutta şartı</translation>
    </message>
    <message>
        <source>Kutta factor down</source>
        <translation>Kutta şartı azalt</translation>
    </message>
    <message>
        <source>Kutta factor up</source>
        <translation>Kutta şartı artır</translation>
    </message>
    <message>
        <source>Kutta factor scroll bar</source>
        <translation>Kutta şartı kaydırma çubuğu</translation>
    </message>
    <message>
        <source>Streamlines and drawing</source>
        <translation>Akım çizgileri ve çizim</translation>
    </message>
    <message>
        <source>streamline step Δψ</source>
        <translation>akım çizgisi aralığı Δψ</translation>
    </message>
    <message>
        <source>streamline step Δψ down</source>
        <translation>akım çizgisi aralığı Δψ azalt</translation>
    </message>
    <message>
        <source>streamline step Δψ up</source>
        <translation>akım çizgisi aralığı Δψ artır</translation>
    </message>
    <message>
        <source>streamline step Δψ scroll bar</source>
        <translation>akım çizgisi aralığı Δψ kaydırma çubuğu</translation>
    </message>
    <message>
        <source>last streamline curve nSL</source>
        <translation>son akım çizgisi eğrisi nSL</translation>
    </message>
    <message>
        <source>last streamline curve nSL down</source>
        <translation>son akım çizgisi eğrisi nSL azalt</translation>
    </message>
    <message>
        <source>last streamline curve nSL up</source>
        <translation>son akım çizgisi eğrisi nSL artır</translation>
    </message>
    <message>
        <source>last streamline curve nSL scroll bar</source>
        <translation>son akım çizgisi eğrisi nSL kaydırma çubuğu</translation>
    </message>
    <message>
        <source>plot scale</source>
        <translation>çizim ölçeği</translation>
    </message>
    <message>
        <source>plot scale down</source>
        <translation>çizim ölçeği azalt</translation>
    </message>
    <message>
        <source>plot scale up</source>
        <translation>çizim ölçeği artır</translation>
    </message>
    <message>
        <source>plot scale scroll bar</source>
        <translation>çizim ölçeği kaydırma çubuğu</translation>
    </message>
    <message>
        <source>radial step dR</source>
        <translation>radyal adım dR</translation>
    </message>
    <message>
        <source>flow past the circle; click to redraw</source>
        <translation>çember etrafındaki akım; yeniden çizmek için tıklayın</translation>
    </message>
    <message>
        <source>flow around the airfoil; click to redraw</source>
        <translation>kanat profili etrafındaki akım; yeniden çizmek için tıklayın</translation>
    </message>
    <message>
        <source>surface pressure: minus Cp against x/c, upper surface red, lower surface blue</source>
        <translation>yüzey basıncı: x/c&apos;ye karşı eksi Cp, üst yüzey kırmızı, alt yüzey mavi</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>Save the flow-field picture as PNG</source>
        <translation>Akım alanı resmini PNG olarak kaydet</translation>
    </message>
    <message>
        <source>Save the flow field as CSV</source>
        <translation>Akım alanını CSV olarak kaydet</translation>
    </message>
    <message>
        <source>flow field around the airfoil: the colour of the chosen quantity with its colour bar, the body red and the streamlines blue</source>
        <translation>kanat profili etrafındaki akım alanı: seçilen büyüklüğün rengi ve renk çubuğu, cisim kırmızı, akım çizgileri mavi</translation>
    </message>
    <message>
        <source>Save the lift-curve picture as PNG</source>
        <translation>Kaldırma eğrisi resmini PNG olarak kaydet</translation>
    </message>
    <message>
        <source>Save the lift curve as CSV</source>
        <translation>Kaldırma eğrisini CSV olarak kaydet</translation>
    </message>
    <message>
        <source>lift curve: C_L against the angle of attack, exact red, thin-airfoil theory blue, the drawn pass black</source>
        <translation>kaldırma eğrisi: hücum açısına karşı C_L, tam çözüm kırmızı, ince kanat kuramı mavi, çizilen hesap siyah</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Free software under GPL-3.0-or-later</source>
        <translation>GPL-3.0-or-later altında özgür yazılım</translation>
    </message>
    <message>
        <source>(GNU GPL, version 3 or any later version)</source>
        <translation>(GNU GPL, sürüm 3 ya da sonraki bir sürüm)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>NACA code (4 or 5 digits)</source>
        <translation>NACA kodu (4 ya da 5 basamak)</translation>
    </message>
    <message>
        <source>Drop a .dat file (Selig or Lednicer) on the airfoil plot to open it; its points stay on this device.</source>
        <translation>Açmak için kanat profili çizimine bir .dat dosyası (Selig ya da Lednicer) bırakın; noktaları bu cihazda kalır.</translation>
    </message>
    <message>
        <source>Ignored in the address: %1.</source>
        <translation>Adreste yok sayıldı: %1.</translation>
    </message>
    <message>
        <source>circle plane: the polar grid, the body and the streamlines, the critical points marked</source>
        <translation>çember düzlemi: kutupsal ızgara, cisim ve akım çizgileri, kritik noktalar işaretli</translation>
    </message>
    <message>
        <source>the map at the morph t: the grid, the body and the streamlines on their way from the circle to the airfoil</source>
        <translation>dönüşümün t anı: ızgara, cisim ve akım çizgileri çemberden kanat profiline giderken</translation>
    </message>
    <message>
        <source>airfoil plane: the grid, the body and the streamlines carried over by the map</source>
        <translation>kanat profili düzlemi: dönüşümle taşınan ızgara, cisim ve akım çizgileri</translation>
    </message>
    <message>
        <source>Save the boundary layer as CSV</source>
        <translation>Sınır tabakasını CSV olarak kaydet</translation>
    </message>
    <message>
        <source>skin friction: c_f against x/c, upper surface red, lower surface blue, T transition, S separation</source>
        <translation>yüzey sürtünmesi: x/c&apos;ye karşı c_f, üst yüzey kırmızı, alt yüzey mavi, G geçiş, A ayrılma</translation>
    </message>
    <message>
        <source>Drag polar</source>
        <translation>Sürükleme poları</translation>
    </message>
    <message>
        <source>Save the drag polar as CSV</source>
        <translation>Sürükleme polarını CSV olarak kaydet</translation>
    </message>
    <message>
        <source>drag polar: C_L against C_D over the angles where the flow stays attached</source>
        <translation>sürükleme poları: akımın yüzeye bağlı kaldığı açılarda C_D&apos;ye karşı C_L</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Cp</source>
        <translation>Cp</translation>
    </message>
    <message>
        <source>q/U0</source>
        <translation>q/U0</translation>
    </message>
    <message>
        <source>α (°)</source>
        <translation>α (°)</translation>
    </message>
    <message>
        <source>C_L</source>
        <translation>C_L</translation>
    </message>
    <message>
        <source>exact (Joukowski)</source>
        <translation>tam çözüm (Joukowski)</translation>
    </message>
    <message>
        <source>thin-airfoil theory</source>
        <translation>ince kanat kuramı</translation>
    </message>
    <message>
        <source>α_L0</source>
        <translation>α_L0</translation>
    </message>
    <message>
        <source>x/c</source>
        <translation>x/c</translation>
    </message>
    <message>
        <source>−Cp</source>
        <translation>−Cp</translation>
    </message>
    <message>
        <source>upper surface</source>
        <translation>üst yüzey</translation>
    </message>
    <message>
        <source>lower surface</source>
        <translation>alt yüzey</translation>
    </message>
    <message>
        <source>circle plane z (t = 0)</source>
        <translation>çember düzlemi z (t = 0)</translation>
    </message>
    <message>
        <source>airfoil plane ζ (t = 1)</source>
        <translation>kanat profili düzlemi ζ (t = 1)</translation>
    </message>
    <message>
        <source>ζ = z + t·c_J²/z, t = %1</source>
        <translation>ζ = z + t·c_J²/z, t = %1</translation>
    </message>
    <message>
        <source>T</source>
        <translation>G</translation>
    </message>
    <message>
        <source>S</source>
        <translation>A</translation>
    </message>
    <message>
        <source>T transition, S separation</source>
        <translation>G geçiş, A ayrılma</translation>
    </message>
    <message>
        <source>c_f</source>
        <translation>c_f</translation>
    </message>
    <message>
        <source>δ* × %1</source>
        <translation>δ* × %1</translation>
    </message>
    <message>
        <source>C_D</source>
        <translation>C_D</translation>
    </message>
    <message>
        <source>drag polar, attached flow</source>
        <translation>sürükleme poları, bağlı akım</translation>
    </message>
    <message>
        <source>▇ upper surface separated ahead of 0.9 c:</source>
        <translation>▇ üst yüzeyde akım 0.9 c&apos;den önce ayrılıyor:</translation>
    </message>
    <message>
        <source>real airfoils lose lift here,</source>
        <translation>gerçek profiller burada kaldırma kaybeder,</translation>
    </message>
    <message>
        <source>potential flow does not</source>
        <translation>potansiyel akım kaybetmez</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>The file holds no points.</source>
        <translation>Dosyada hiç nokta yok.</translation>
    </message>
    <message>
        <source>Line %1 is not two numbers.</source>
        <translation>%1. satır iki sayı değil.</translation>
    </message>
    <message>
        <source>Line %1 holds a number that is not finite (NaN or infinity).</source>
        <translation>%1. satırda sonlu olmayan bir sayı var (NaN ya da sonsuz).</translation>
    </message>
    <message>
        <source>The profile has fewer than 20 points.</source>
        <translation>Profilde 20 noktadan az nokta var.</translation>
    </message>
    <message>
        <source>Line %1: the profile has more than 10000 points.</source>
        <translation>%1. satır: profilde 10000 noktadan fazla nokta var.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MB.</source>
        <translation>Dosya 1 MB&apos;tan büyük.</translation>
    </message>
    <message>
        <source>Line %1: the two point counts do not match the points that follow.</source>
        <translation>%1. satır: iki nokta sayısı ardından gelen noktalarla uyuşmuyor.</translation>
    </message>
    <message>
        <source>Line %1: the contour crosses itself.</source>
        <translation>%1. satır: kontur kendini kesiyor.</translation>
    </message>
    <message>
        <source>Line %1: the points are out of order (a jump longer than a quarter of the chord).</source>
        <translation>%1. satır: noktalar sırasız (veterin dörtte birinden uzun bir sıçrama var).</translation>
    </message>
    <message>
        <source>The trailing-edge gap is larger than 2 percent of the chord.</source>
        <translation>Firar kenarındaki aralık veterin yüzde 2&apos;sinden büyük.</translation>
    </message>
    <message>
        <source>The points give no chord.</source>
        <translation>Noktalardan bir veter çıkmıyor.</translation>
    </message>
    <message>
        <source>A NACA code has 4 or 5 digits.</source>
        <translation>NACA kodu 4 ya da 5 basamaklıdır.</translation>
    </message>
    <message>
        <source>This NACA code names an unknown mean line (offered: 4-digit ones and the 5-digit 210 to 250).</source>
        <translation>Bu NACA kodu bilinmeyen bir orta çizgi belirtiyor (sunulanlar: 4 basamaklılar ve 5 basamaklı 210 ile 250 arası).</translation>
    </message>
    <message>
        <source>Reflexed mean lines (third digit 1) are not offered.</source>
        <translation>Ters kavisli orta çizgiler (üçüncü basamak 1) sunulmuyor.</translation>
    </message>
    <message>
        <source>A NACA section needs a thickness above 0.</source>
        <translation>NACA kesitinin kalınlığı 0&apos;dan büyük olmalı.</translation>
    </message>
    <message>
        <source>A NACA section may be at most 40 percent thick.</source>
        <translation>NACA kesiti en çok yüzde 40 kalın olabilir.</translation>
    </message>
    <message>
        <source>The contour is too short to map.</source>
        <translation>Kontur dönüşüm için fazla kısa.</translation>
    </message>
    <message>
        <source>This profile cannot be mapped: its pre-mapped contour folds back round its centre.</source>
        <translation>Bu profil dönüştürülemiyor: ön dönüşümden geçen konturu merkezi çevresinde geri kıvrılıyor.</translation>
    </message>
    <message>
        <source>Theodorsen&apos;s iteration did not converge for this profile.</source>
        <translation>Theodorsen yinelemesi bu profil için yakınsamadı.</translation>
    </message>
    <message>
        <source>%1: t/c = %2 at x/c = %3, no camber.</source>
        <translation>%1: t/c = %2 (x/c = %3), kamburluk yok.</translation>
    </message>
    <message>
        <source>%1: t/c = %2 at x/c = %3, f/c = %4 at x/c = %5.</source>
        <translation>%1: t/c = %2 (x/c = %3), f/c = %4 (x/c = %5).</translation>
    </message>
    <message>
        <source>Trailing-edge angle %1°, leading-edge radius %2, gap closed %3, chord line at %4°.</source>
        <translation>Firar kenarı açısı %1°, hücum kenarı yarıçapı %2, kapatılan aralık %3, veter doğrusu %4°.</translation>
    </message>
    <message>
        <source>Theodorsen map: %1 terms, contour within %2 chord.</source>
        <translation>Theodorsen dönüşümü: %1 terim, kontur %2 veter içinde.</translation>
    </message>
    <message>
        <source>Theodorsen map: %1 terms, contour within %2 chord; the tolerances were not all met.</source>
        <translation>Theodorsen dönüşümü: %1 terim, kontur %2 veter içinde; toleransların hepsi sağlanamadı.</translation>
    </message>
</context>
<context>
    <name>ProfileReport</name>
    <message>
        <source>%1: t/c %2 at x/c %3, f/c %4 at x/c %5, trailing-edge angle %6°, leading-edge radius %7, trailing-edge gap closed %8, chord line %9° from the x axis</source>
        <translation>%1: t/c %2, x/c %3 noktasında; f/c %4, x/c %5 noktasında; firar kenarı açısı %6°, hücum kenarı yarıçapı %7, kapatılan firar kenarı aralığı %8, veter çizgisi x ekseninden %9°</translation>
    </message>
    <message>
        <source>Theodorsen&apos;s map: %1 Fourier terms, contour within %2 chords</source>
        <translation>Theodorsen dönüşümü: %1 Fourier terimi, kontur %2 veter içinde</translation>
    </message>
    <message>
        <source>Critical points of the Kármán–Trefftz pre-map (dζ/dz = 0): the one on the circle becomes the trailing edge ζ = (%1, %2); the other lies inside the body and goes to ζ = (%3, %4).</source>
        <translation>Kármán–Trefftz ön dönüşümünün kritik noktaları (dζ/dz = 0): çember üzerindeki firar kenarı ζ = (%1, %2) olur; öbürü cismin içindedir ve ζ = (%3, %4) noktasına gider.</translation>
    </message>
    <message>
        <source>ζ = (1 − t)·z + t·F(z), t = %1</source>
        <translation>ζ = (1 − t)·z + t·F(z), t = %1</translation>
    </message>
    <message>
        <source>exact (conformal map)</source>
        <translation>tam çözüm (konform dönüşüm)</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>x = %1, y = %2: q/U0 = %3, Cp = %4, ψ = %5</source>
        <translation>x = %1, y = %2: q/U0 = %3, Cp = %4, ψ = %5</translation>
    </message>
    <message>
        <source>x = %1, y = %2, on the body: q/U0 = %3, Cp = %4, ψ = %5</source>
        <translation>x = %1, y = %2, cisim üzerinde: q/U0 = %3, Cp = %4, ψ = %5</translation>
    </message>
    <message>
        <source>x = %1, y = %2: inside the body</source>
        <translation>x = %1, y = %2: cismin içinde</translation>
    </message>
    <message>
        <source>x = %1, y = %2: a sharp edge, where the speed is unbounded</source>
        <translation>x = %1, y = %2: keskin bir kenar, burada hız sınırsız</translation>
    </message>
    <message>
        <source>Slope dC_L/dα = %1 per degree = %2 per radian = %3 × 2π.</source>
        <translation>Eğim dC_L/dα = derece başına %1 = radyan başına %2 = %3 × 2π.</translation>
    </message>
    <message>
        <source>Zero-lift angle %4° (thin-airfoil theory: %5°).</source>
        <translation>Sıfır kaldırma açısı %4° (ince kanat kuramı: %5°).</translation>
    </message>
    <message>
        <source>No lift curve: %1.</source>
        <translation>Kaldırma eğrisi yok: %1.</translation>
    </message>
    <message>
        <source>Lift coefficient C_L = %1.</source>
        <translation>Kaldırma katsayısı C_L = %1.</translation>
    </message>
    <message>
        <source>The plots were not redrawn: %1</source>
        <translation>Çizimler yenilenmedi: %1</translation>
    </message>
    <message>
        <source>C_L integrated from Cp = %1.</source>
        <translation>Cp&apos;nin integralinden C_L = %1.</translation>
    </message>
    <message>
        <source>Lowest Cp = %1 at x/c = %2 on the upper surface.</source>
        <translation>En düşük Cp = %1, üst yüzeyde x/c = %2 noktasında.</translation>
    </message>
    <message>
        <source>Lowest Cp = %1 at x/c = %2 on the lower surface.</source>
        <translation>En düşük Cp = %1, alt yüzeyde x/c = %2 noktasında.</translation>
    </message>
    <message>
        <source>Time of flight from the release line x = %1 to the trailing-edge station x = %2:</source>
        <translation>Salma çizgisi x = %1 ile firar kenarı istasyonu x = %2 arasında uçuş süresi:</translation>
    </message>
    <message>
        <source>pair %1 (psi = +-%2): upper %3, lower %4</source>
        <translation>çift %1 (psi = +-%2): üst %3, alt %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>no streamline pairs (nSL &lt; 4)</source>
        <translation>akım çizgisi çifti yok (nSL &lt; 4)</translation>
    </message>
    <message>
        <source>Upper surface</source>
        <translation>Üst yüzey</translation>
    </message>
    <message>
        <source>Lower surface</source>
        <translation>Alt yüzey</translation>
    </message>
    <message>
        <source>%1: laminar, separates at x/c = %3 for good.</source>
        <translation>%1: laminer, x/c = %3 noktasında ayrılıyor ve yeniden tutunmuyor.</translation>
    </message>
    <message>
        <source>%1: laminar to the trailing edge, no separation.</source>
        <translation>%1: firar kenarına kadar laminer, ayrılma yok.</translation>
    </message>
    <message>
        <source>%1: laminar separation bubble, transition at x/c = %2, separation at x/c = %3.</source>
        <translation>%1: laminer ayrılma kabarcığı, geçiş x/c = %2 noktasında, ayrılma x/c = %3 noktasında.</translation>
    </message>
    <message>
        <source>%1: laminar separation bubble, transition at x/c = %2, no separation.</source>
        <translation>%1: laminer ayrılma kabarcığı, geçiş x/c = %2 noktasında, ayrılma yok.</translation>
    </message>
    <message>
        <source>%1: transition at x/c = %2, separation at x/c = %3.</source>
        <translation>%1: geçiş x/c = %2 noktasında, ayrılma x/c = %3 noktasında.</translation>
    </message>
    <message>
        <source>%1: transition at x/c = %2, no separation.</source>
        <translation>%1: geçiş x/c = %2 noktasında, ayrılma yok.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: with a Kutta factor other than 1 the speed at the trailing edge is unbounded.</source>
        <translation>Sınır tabaka hesaplanmadı: Kutta şartı 1&apos;den farklıyken firar kenarında hız sınırsız.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: the profile has a sharp leading edge or no usable chord.</source>
        <translation>Sınır tabaka hesaplanmadı: profilin hücum kenarı sivri ya da veteri kullanılamıyor.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: the Reynolds number or N_crit is not usable.</source>
        <translation>Sınır tabaka hesaplanmadı: Reynolds sayısı ya da N_crit kullanılamıyor.</translation>
    </message>
    <message>
        <source>Re = %1:</source>
        <translation>Re = %1:</translation>
    </message>
    <message>
        <source>C_D = %1 (friction %2, pressure %3).</source>
        <translation>C_D = %1 (sürtünme %2, basınç %3).</translation>
    </message>
    <message>
        <source>C_D not predicted: the flow separates at x/c = %1 on the upper surface.</source>
        <translation>C_D öngörülemiyor: akım üst yüzeyde x/c = %1 noktasında ayrılıyor.</translation>
    </message>
    <message>
        <source>C_D not predicted: the flow separates at x/c = %1 on the lower surface.</source>
        <translation>C_D öngörülemiyor: akım alt yüzeyde x/c = %1 noktasında ayrılıyor.</translation>
    </message>
    <message>
        <source>Wing: L&apos; = %1 N/m, D&apos; = %2 N/m.</source>
        <translation>Kanat: L&apos; = %1 N/m, D&apos; = %2 N/m.</translation>
    </message>
    <message>
        <source>Wing: L&apos; = %1 N/m.</source>
        <translation>Kanat: L&apos; = %1 N/m.</translation>
    </message>
    <message>
        <source>The Reynolds number must be a finite number.</source>
        <translation>Reynolds sayısı sonlu bir sayı olmalı.</translation>
    </message>
    <message>
        <source>The Reynolds number must lie between 1000 and 1000000000.</source>
        <translation>Reynolds sayısı 1000 ile 1000000000 arasında olmalı.</translation>
    </message>
    <message>
        <source>The wing&apos;s speed must be a finite number, not negative.</source>
        <translation>Kanadın hızı negatif olmayan sonlu bir sayı olmalı.</translation>
    </message>
    <message>
        <source>The wing&apos;s chord must be a finite positive number.</source>
        <translation>Kanadın veteri pozitif sonlu bir sayı olmalı.</translation>
    </message>
    <message>
        <source>The altitude must lie between 0 and 11000 m.</source>
        <translation>İrtifa 0 ile 11000 m arasında olmalı.</translation>
    </message>
    <message>
        <source>The wing&apos;s Reynolds number must lie between 1000 and 1000000000.</source>
        <translation>Kanadın Reynolds sayısı 1000 ile 1000000000 arasında olmalı.</translation>
    </message>
    <message>
        <source>N_crit must be a finite number between 1 and 20.</source>
        <translation>N_crit 1 ile 20 arasında sonlu bir sayı olmalı.</translation>
    </message>
    <message>
        <source>z = (%1, %2) ↔ ζ = (%3, %4): stretch |dζ/dz| = %5, turn arg(dζ/dz) = %6°</source>
        <translation>z = (%1, %2) ↔ ζ = (%3, %4): uzama |dζ/dz| = %5, dönme arg(dζ/dz) = %6°</translation>
    </message>
    <message>
        <source>(%1, %2): inside the body</source>
        <translation>(%1, %2): cismin içinde</translation>
    </message>
    <message>
        <source>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2; z = −c_J, inside the body, goes to ζ = −%2.</source>
        <translation>Kritik noktalar z = ±c_J = ±%1 (dζ/dz = 0, açılar iki katına çıkar): z = +c_J keskin firar kenarı ζ = %2 olur; cismin içindeki z = −c_J, ζ = −%2 noktasına gider.</translation>
    </message>
    <message>
        <source>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2, and z = −c_J, on the circle too, a sharp leading edge ζ = −%2.</source>
        <translation>Kritik noktalar z = ±c_J = ±%1 (dζ/dz = 0, açılar iki katına çıkar): z = +c_J keskin firar kenarı ζ = %2 olur; yine çember üzerindeki z = −c_J de keskin hücum kenarı ζ = −%2 olur.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG or SVG: end the file name with .png or .svg.</source>
        <translation>Resimler PNG ya da SVG olarak kaydedilir: dosya adını .png ya da .svg ile bitirin.</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form1</name>
    <message>
        <source>Joukowsky profili etrafında akım çizgileri</source>
        <translation>Joukowsky profili etrafında akım çizgileri</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Move a scroll bar or click a plot to draw the flow.</source>
        <translation>Akımı çizmek için bir kaydırma çubuğunu oynatın ya da bir çizime tıklayın.</translation>
    </message>
    <message>
        <source>δ = </source>
        <translation>δ = </translation>
    </message>
    <message>
        <source>γ =</source>
        <translation>γ =</translation>
    </message>
    <message>
        <source>α =</source>
        <translation>α =</translation>
    </message>
    <message>
        <source>Kutta şartı</source>
        <translation>Kutta şartı</translation>
    </message>
    <message>
        <source>Δψ =</source>
        <translation>Δψ =</translation>
    </message>
    <message>
        <source>nSL =</source>
        <translation>nSL =</translation>
    </message>
    <message>
        <source>Scale =</source>
        <translation>Scale =</translation>
    </message>
    <message>
        <source>dR =</source>
        <translation>dR =</translation>
    </message>
    <message>
        <source> (nothing to show yet: move a scroll bar or click a plot)</source>
        <translation> (henüz gösterilecek bir şey yok: bir kaydırma çubuğunu oynatın ya da bir çizime tıklayın)</translation>
    </message>
    <message>
        <source>Surface pressure…</source>
        <translation>Yüzey basıncı…</translation>
    </message>
    <message>
        <source>Flow field…</source>
        <translation>Akım alanı…</translation>
    </message>
    <message>
        <source>Lift curve…</source>
        <translation>Kaldırma eğrisi…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Resmi kopyala</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>Save points as CSV…</source>
        <translation>Noktaları CSV olarak kaydet…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Resimler (*.png *.svg)</translation>
    </message>
    <message>
        <source>Save points as CSV</source>
        <translation>Noktaları CSV olarak kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Conformal map…</source>
        <translation>Konform dönüşüm…</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_About</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Fluvenna</source>
        <translation>Fluvenna</translation>
    </message>
    <message>
        <source>Streamlines around a Joukowsky Airfoil</source>
        <translation>Streamlines around a Joukowsky Airfoil</translation>
    </message>
    <message>
        <source>developed by the Fluvenna developers</source>
        <translation>developed by the Fluvenna developers</translation>
    </message>
    <message>
        <source>last update : February 2007</source>
        <translation>last update : February 2007</translation>
    </message>
    <message>
        <source>for comments and questions e-mail to</source>
        <translation>for comments and questions e-mail to</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Field</name>
    <message>
        <source>Flow field</source>
        <translation>Akım alanı</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Renk:</translation>
    </message>
    <message>
        <source>Pressure coefficient Cp</source>
        <translation>Basınç katsayısı Cp</translation>
    </message>
    <message>
        <source>Speed q/U0</source>
        <translation>Hız q/U0</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Hiçbiri</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Resmi kopyala</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>Save field as CSV…</source>
        <translation>Alanı CSV olarak kaydet…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Resimler (*.png *.svg)</translation>
    </message>
    <message>
        <source>Save field as CSV</source>
        <translation>Alanı CSV olarak kaydet</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV dosyaları (*.csv)</translation>
    </message>
    <message>
        <source>Move the pointer over the flow to read its speed and pressure.</source>
        <translation>Hızı ve basıncı okumak için işaretçiyi akımın üzerinde gezdirin.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>Timelines</source>
        <translation>Zaman çizgileri</translation>
    </message>
    <message>
        <source>Release every</source>
        <translation>Salma aralığı</translation>
    </message>
    <message>
        <source>c/U0 (one c/U0 takes %1 s)</source>
        <translation>c/U0 (bir c/U0 %1 s sürer)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Lift</name>
    <message>
        <source>Lift curve</source>
        <translation>Kaldırma eğrisi</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Map</name>
    <message>
        <source>Conformal map</source>
        <translation>Konform dönüşüm</translation>
    </message>
    <message>
        <source>Morph t:</source>
        <translation>Dönüşüm t:</translation>
    </message>
    <message>
        <source>Morph from the circle (t = 0) to the airfoil (t = 1)</source>
        <translation>Çemberden (t = 0) kanat profiline (t = 1) dönüşüm</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oynat</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Move the pointer over a picture: its point is ringed in all three.</source>
        <translation>İşaretçiyi bir resmin üzerinde gezdirin: noktası üç resimde de halkayla gösterilir.</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Pressure</name>
    <message>
        <source>Surface pressure and boundary layer</source>
        <translation>Yüzey basıncı ve sınır tabaka</translation>
    </message>
    <message>
        <source>Re =</source>
        <translation>Re =</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Kanat</translation>
    </message>
    <message>
        <source>V (m/s)</source>
        <translation>V (m/s)</translation>
    </message>
    <message>
        <source>c (m)</source>
        <translation>c (m)</translation>
    </message>
    <message>
        <source>h (m)</source>
        <translation>h (m)</translation>
    </message>
</context>
<context>
    <name>FiniteWing</name>
    <message>
        <source>rectangular</source>
        <translation>dikdörtgen</translation>
    </message>
    <message>
        <source>tapered λ = %1</source>
        <translation>sivrilen λ = %1</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>eliptik</translation>
    </message>
    <message>
        <source>AR %1, %2, washout %3°:</source>
        <translation>AR %1, %2, uç burulması %3°:</translation>
    </message>
    <message>
        <source>C_L = %1, C_Di = %2,</source>
        <translation>C_L = %1, C_Di = %2,</translation>
    </message>
    <message>
        <source>e = %1,</source>
        <translation>e = %1,</translation>
    </message>
    <message>
        <source>e undefined at C_L = 0,</source>
        <translation>C_L = 0 iken e tanımsız,</translation>
    </message>
    <message>
        <source>C_D = %1</source>
        <translation>C_D = %1</translation>
    </message>
    <message>
        <source>C_D not predicted</source>
        <translation>C_D öngörülemiyor</translation>
    </message>
    <message>
        <source>, (L/D)max = %1 at α = %2°</source>
        <translation>, (L/D)max = %1 (α = %2°)</translation>
    </message>
    <message>
        <source>Stall begins at 2y/b = %1 at α = %2°.</source>
        <translation>Akış ayrılması (stall) 2y/b = %1 konumunda, α = %2° iken başlar.</translation>
    </message>
    <message>
        <source>Wing of span %1 m: L = %2 N, D_i = %3 N</source>
        <translation>Açıklığı %1 m olan kanat: L = %2 N, D_i = %3 N</translation>
    </message>
    <message>
        <source>, D = %1 N</source>
        <translation>, D = %1 N</translation>
    </message>
    <message>
        <source>Below AR 4 lifting-line theory overestimates the lift of such a wing.</source>
        <translation>AR 4&apos;ün altında taşıyıcı çizgi kuramı böyle bir kanadın taşımasını olduğundan büyük verir.</translation>
    </message>
    <message>
        <source>The wing&apos;s aspect ratio, taper and washout must be finite numbers.</source>
        <translation>Kanadın açıklık oranı, sivrilme oranı ve uç burulması sonlu sayılar olmalıdır.</translation>
    </message>
    <message>
        <source>The aspect ratio must lie between 1 and 30.</source>
        <translation>Açıklık oranı 1 ile 30 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>The taper ratio must lie between 0 and 1.</source>
        <translation>Sivrilme oranı 0 ile 1 arasında olmalıdır.</translation>
    </message>
    <message>
        <source>The washout must lie between -10° and 10°.</source>
        <translation>Uç burulması -10° ile 10° arasında olmalıdır.</translation>
    </message>
    <message>
        <source>The planform must be rectangular, tapered or elliptic.</source>
        <translation>Kanat biçimi dikdörtgen, sivrilen ya da eliptik olmalıdır.</translation>
    </message>
    <message>
        <source>No finite wing: the section has no zero-lift angle or no positive lift slope.</source>
        <translation>Sonlu kanat yok: kesitin sıfır taşıma açısı ya da pozitif taşıma eğimi yok.</translation>
    </message>
    <message>
        <source>Planform and trailing vortex sheet</source>
        <translation>Kanat biçimi ve firar girdap tabakası</translation>
    </message>
    <message>
        <source>stall begins</source>
        <translation>akış ayrılması başlar</translation>
    </message>
    <message>
        <source>Loading c·c_l/c_mean</source>
        <translation>Yük dağılımı c·c_l/c_ort</translation>
    </message>
    <message>
        <source>- - elliptic, same C_L</source>
        <translation>- - eliptik, aynı C_L</translation>
    </message>
    <message>
        <source>Induced angle α_i (°)</source>
        <translation>İndüklenmiş açı α_i (°)</translation>
    </message>
    <message>
        <source>2y/b</source>
        <translation>2y/b</translation>
    </message>
    <message>
        <source>Drag polar C_L against C_D</source>
        <translation>Sürükleme poları: C_D&apos;ye karşı C_L</translation>
    </message>
    <message>
        <source>wing</source>
        <translation>kanat</translation>
    </message>
    <message>
        <source>section</source>
        <translation>kesit</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Wing</name>
    <message>
        <source>Finite wing</source>
        <translation>Sonlu kanat</translation>
    </message>
    <message>
        <source>Finite wing…</source>
        <translation>Sonlu kanat…</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>dikdörtgen</translation>
    </message>
    <message>
        <source>tapered</source>
        <translation>sivrilen</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>eliptik</translation>
    </message>
    <message>
        <source>AR</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>Planform</source>
        <translation>Kanat biçimi</translation>
    </message>
    <message>
        <source>Taper λ</source>
        <translation>Sivrilme λ</translation>
    </message>
    <message>
        <source>Washout (°)</source>
        <translation>Uç burulması (°)</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Profile</name>
    <message>
        <source>Profile…</source>
        <translation>Profil…</translation>
    </message>
    <message>
        <source>Streamlines around %1</source>
        <translation>%1 etrafında akım çizgileri</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Open a profile</source>
        <translation>Bir profil aç</translation>
    </message>
    <message>
        <source>Airfoil coordinates (*.dat *.txt);;All files (*)</source>
        <translation>Kanat profili koordinatları (*.dat *.txt);;Bütün dosyalar (*)</translation>
    </message>
    <message>
        <source>Joukowski (δ and γ of the window)</source>
        <translation>Joukowski (pencerenin δ ve γ değerleri)</translation>
    </message>
    <message>
        <source>NACA</source>
        <translation>NACA</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Kullan</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Aç…</translation>
    </message>
    <message>
        <source>Drop a .dat file (Selig or Lednicer) on this window to open it.</source>
        <translation>Açmak için bu pencereye bir .dat dosyası (Selig ya da Lednicer) bırakın.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 okunamıyor: %2</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>Profil: %1</translation>
    </message>
    <message>
        <source>The Joukowski profile of the table row chosen by δ and γ.</source>
        <translation>δ ve γ ile seçilen tablo satırının Joukowski profili.</translation>
    </message>
</context>
</TS>
