<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DisplacementThickness</name>
    <message>
        <source>δ* drawn up to separation (S) only</source>
        <translation>δ* drawn up to separation (S) only</translation>
    </message>
</context>
<context>
    <name>Notes</name>
    <message>
        <source>KATJO-D20G15.txt dosyası bulunamadı</source>
        <translation>The file KATJO-D20G15.txt was not found</translation>
    </message>
    <message>
        <source>the value of %1 is too large to compute with</source>
        <translation>the value of %1 is too large to compute with</translation>
    </message>
    <message>
        <source>dR must be greater than 0 to trace the streamlines</source>
        <translation>dR must be greater than 0 to trace the streamlines</translation>
    </message>
    <message>
        <source>Scale must not be 0: the plots would have no width</source>
        <translation>Scale must not be 0: the plots would have no width</translation>
    </message>
    <message>
        <source>the selected profile row gives no usable circle</source>
        <translation>the selected profile row gives no usable circle</translation>
    </message>
    <message>
        <source>the circle-plane plot could not be drawn (its scale or a coordinate is not usable)</source>
        <translation>the circle-plane plot could not be drawn (its scale or a coordinate is not usable)</translation>
    </message>
    <message>
        <source>the airfoil plot could not be drawn (its scale or a coordinate is not usable)</source>
        <translation>the airfoil plot could not be drawn (its scale or a coordinate is not usable)</translation>
    </message>
    <message>
        <source>nSL is limited to %1: the curves up to 20 are drawn</source>
        <translation>nSL is limited to %1: the curves up to 20 are drawn</translation>
    </message>
    <message>
        <source>the dividing streamline is left out: the flow has no stagnation point on the circle (Kutta factor beyond 1)</source>
        <translation>the dividing streamline is left out: the flow has no stagnation point on the circle (Kutta factor beyond 1)</translation>
    </message>
    <message>
        <source>curve %1 is cut short at %2 points (dR is too small to reach the edge of the plot)</source>
        <translation>curve %1 is cut short at %2 points (dR is too small to reach the edge of the plot)</translation>
    </message>
    <message>
        <source>curve %1 ends early: the streamline has no further point</source>
        <translation>curve %1 ends early: the streamline has no further point</translation>
    </message>
    <message>
        <source>curve %1 is left out: it has no second point</source>
        <translation>curve %1 is left out: it has no second point</translation>
    </message>
    <message>
        <source>curve %1 is left out with it</source>
        <translation>curve %1 is left out with it</translation>
    </message>
    <message>
        <source>curve %1 is left out: its streamline does not cross the y axis</source>
        <translation>curve %1 is left out: its streamline does not cross the y axis</translation>
    </message>
    <message>
        <source>curve %1 is left out: it has no point beside its apex</source>
        <translation>curve %1 is left out: it has no point beside its apex</translation>
    </message>
    <message>
        <source>curve %1 is left out of the airfoil plot: the map has no image of it</source>
        <translation>curve %1 is left out of the airfoil plot: the map has no image of it</translation>
    </message>
    <message>
        <source>curve %1: %2 point(s) at the centre of the map left out of the airfoil plot</source>
        <translation>curve %1: %2 point(s) at the centre of the map left out of the airfoil plot</translation>
    </message>
    <message>
        <source>the surface is not computed: the chord of the profile is not usable</source>
        <translation>the surface is not computed: the chord of the profile is not usable</translation>
    </message>
    <message>
        <source>the trailing edge is left out of the surface: with a Kutta factor other than 1 the speed there is unbounded</source>
        <translation>the trailing edge is left out of the surface: with a Kutta factor other than 1 the speed there is unbounded</translation>
    </message>
    <message>
        <source>the leading edge is left out of the surface: the circle passes through both singular points of the map, so the speed there is unbounded too</source>
        <translation>the leading edge is left out of the surface: the circle passes through both singular points of the map, so the speed there is unbounded too</translation>
    </message>
    <message>
        <source>%1 surface point(s) with an unbounded speed left out</source>
        <translation>%1 surface point(s) with an unbounded speed left out</translation>
    </message>
    <message>
        <source>the chord of the profile is not a positive number</source>
        <translation>the chord of the profile is not a positive number</translation>
    </message>
    <message>
        <source>the Kutta factor is not a finite number</source>
        <translation>the Kutta factor is not a finite number</translation>
    </message>
    <message>
        <source>the profile&apos;s circle is not made of finite numbers</source>
        <translation>the profile&apos;s circle is not made of finite numbers</translation>
    </message>
    <message>
        <source>alpha is not a finite number, so the curve has no point for it</source>
        <translation>alpha is not a finite number, so the curve has no point for it</translation>
    </message>
    <message>
        <source>alpha lies more than one turn from zero: the curve shows it as a lone point</source>
        <translation>alpha lies more than one turn from zero: the curve shows it as a lone point</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>PNG ↑</source>
        <translation>PNG ↑</translation>
    </message>
    <message>
        <source>Save the circle plot as PNG</source>
        <translation>Save the circle plot as PNG</translation>
    </message>
    <message>
        <source>PNG ↓</source>
        <translation>PNG ↓</translation>
    </message>
    <message>
        <source>Save the airfoil plot as PNG</source>
        <translation>Save the airfoil plot as PNG</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Save every point of the pass as CSV</source>
        <translation>Save every point of the pass as CSV</translation>
    </message>
    <message>
        <source>PNG Cp</source>
        <translation>PNG Cp</translation>
    </message>
    <message>
        <source>PNG Cp: save the surface-pressure plot as PNG</source>
        <translation>PNG Cp: save the surface-pressure plot as PNG</translation>
    </message>
    <message>
        <source>CSV Cp</source>
        <translation>CSV Cp</translation>
    </message>
    <message>
        <source>CSV Cp: save the surface speed and pressure as CSV</source>
        <translation>CSV Cp: save the surface speed and pressure as CSV</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Leave full screen</source>
        <translation>Leave full screen</translation>
    </message>
    <message>
        <source>Profile and flow</source>
        <translation>Profile and flow</translation>
    </message>
    <message>
        <source>thickness δ</source>
        <translation>thickness δ</translation>
    </message>
    <message>
        <source>thickness δ down</source>
        <translation>thickness δ down</translation>
    </message>
    <message>
        <source>thickness δ up</source>
        <translation>thickness δ up</translation>
    </message>
    <message>
        <source>thickness δ scroll bar</source>
        <translation>thickness δ scroll bar</translation>
    </message>
    <message>
        <source>camber γ</source>
        <translation>camber γ</translation>
    </message>
    <message>
        <source>camber γ down</source>
        <translation>camber γ down</translation>
    </message>
    <message>
        <source>camber γ up</source>
        <translation>camber γ up</translation>
    </message>
    <message>
        <source>camber γ scroll bar</source>
        <translation>camber γ scroll bar</translation>
    </message>
    <message>
        <source>angle of attack α in degrees</source>
        <translation>angle of attack α in degrees</translation>
    </message>
    <message>
        <source>angle of attack α down</source>
        <translation>angle of attack α down</translation>
    </message>
    <message>
        <source>angle of attack α up</source>
        <translation>angle of attack α up</translation>
    </message>
    <message>
        <source>angle of attack α scroll bar</source>
        <translation>angle of attack α scroll bar</translation>
    </message>
    <message>
        <source>Kutta factor</source>
        <translation>Kutta factor</translation>
    </message>
    <message>
        <source>Kutta factor down</source>
        <translation>Kutta factor down</translation>
    </message>
    <message>
        <source>Kutta factor up</source>
        <translation>Kutta factor up</translation>
    </message>
    <message>
        <source>Kutta factor scroll bar</source>
        <translation>Kutta factor scroll bar</translation>
    </message>
    <message>
        <source>Streamlines and drawing</source>
        <translation>Streamlines and drawing</translation>
    </message>
    <message>
        <source>streamline step Δψ</source>
        <translation>streamline step Δψ</translation>
    </message>
    <message>
        <source>streamline step Δψ down</source>
        <translation>streamline step Δψ down</translation>
    </message>
    <message>
        <source>streamline step Δψ up</source>
        <translation>streamline step Δψ up</translation>
    </message>
    <message>
        <source>streamline step Δψ scroll bar</source>
        <translation>streamline step Δψ scroll bar</translation>
    </message>
    <message>
        <source>last streamline curve nSL</source>
        <translation>last streamline curve nSL</translation>
    </message>
    <message>
        <source>last streamline curve nSL down</source>
        <translation>last streamline curve nSL down</translation>
    </message>
    <message>
        <source>last streamline curve nSL up</source>
        <translation>last streamline curve nSL up</translation>
    </message>
    <message>
        <source>last streamline curve nSL scroll bar</source>
        <translation>last streamline curve nSL scroll bar</translation>
    </message>
    <message>
        <source>plot scale</source>
        <translation>plot scale</translation>
    </message>
    <message>
        <source>plot scale down</source>
        <translation>plot scale down</translation>
    </message>
    <message>
        <source>plot scale up</source>
        <translation>plot scale up</translation>
    </message>
    <message>
        <source>plot scale scroll bar</source>
        <translation>plot scale scroll bar</translation>
    </message>
    <message>
        <source>radial step dR</source>
        <translation>radial step dR</translation>
    </message>
    <message>
        <source>flow past the circle; click to redraw</source>
        <translation>flow past the circle; click to redraw</translation>
    </message>
    <message>
        <source>flow around the airfoil; click to redraw</source>
        <translation>flow around the airfoil; click to redraw</translation>
    </message>
    <message>
        <source>surface pressure: minus Cp against x/c, upper surface red, lower surface blue</source>
        <translation>surface pressure: minus Cp against x/c, upper surface red, lower surface blue</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>Save the flow-field picture as PNG</source>
        <translation>Save the flow-field picture as PNG</translation>
    </message>
    <message>
        <source>Save the flow field as CSV</source>
        <translation>Save the flow field as CSV</translation>
    </message>
    <message>
        <source>flow field around the airfoil: the colour of the chosen quantity with its colour bar, the body red and the streamlines blue</source>
        <translation>flow field around the airfoil: the colour of the chosen quantity with its colour bar, the body red and the streamlines blue</translation>
    </message>
    <message>
        <source>Save the lift-curve picture as PNG</source>
        <translation>Save the lift-curve picture as PNG</translation>
    </message>
    <message>
        <source>Save the lift curve as CSV</source>
        <translation>Save the lift curve as CSV</translation>
    </message>
    <message>
        <source>lift curve: C_L against the angle of attack, exact red, thin-airfoil theory blue, the drawn pass black</source>
        <translation>lift curve: C_L against the angle of attack, exact red, thin-airfoil theory blue, the drawn pass black</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Free software under GPL-3.0-or-later</source>
        <translation>Free software under GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>(GNU GPL, version 3 or any later version)</source>
        <translation>(GNU GPL, version 3 or any later version)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NACA code (4 or 5 digits)</source>
        <translation>NACA code (4 or 5 digits)</translation>
    </message>
    <message>
        <source>Drop a .dat file (Selig or Lednicer) on the airfoil plot to open it; its points stay on this device.</source>
        <translation>Drop a .dat file (Selig or Lednicer) on the airfoil plot to open it; its points stay on this device.</translation>
    </message>
    <message>
        <source>Ignored in the address: %1.</source>
        <translation>Ignored in the address: %1.</translation>
    </message>
    <message>
        <source>circle plane: the polar grid, the body and the streamlines, the critical points marked</source>
        <translation>circle plane: the polar grid, the body and the streamlines, the critical points marked</translation>
    </message>
    <message>
        <source>the map at the morph t: the grid, the body and the streamlines on their way from the circle to the airfoil</source>
        <translation>the map at the morph t: the grid, the body and the streamlines on their way from the circle to the airfoil</translation>
    </message>
    <message>
        <source>airfoil plane: the grid, the body and the streamlines carried over by the map</source>
        <translation>airfoil plane: the grid, the body and the streamlines carried over by the map</translation>
    </message>
    <message>
        <source>Save the boundary layer as CSV</source>
        <translation>Save the boundary layer as CSV</translation>
    </message>
    <message>
        <source>skin friction: c_f against x/c, upper surface red, lower surface blue, T transition, S separation</source>
        <translation>skin friction: c_f against x/c, upper surface red, lower surface blue, T transition, S separation</translation>
    </message>
    <message>
        <source>Drag polar</source>
        <translation>Drag polar</translation>
    </message>
    <message>
        <source>Save the drag polar as CSV</source>
        <translation>Save the drag polar as CSV</translation>
    </message>
    <message>
        <source>drag polar: C_L against C_D over the angles where the flow stays attached</source>
        <translation>drag polar: C_L against C_D over the angles where the flow stays attached</translation>
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
        <translation>exact (Joukowski)</translation>
    </message>
    <message>
        <source>thin-airfoil theory</source>
        <translation>thin-airfoil theory</translation>
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
        <translation>upper surface</translation>
    </message>
    <message>
        <source>lower surface</source>
        <translation>lower surface</translation>
    </message>
    <message>
        <source>circle plane z (t = 0)</source>
        <translation>circle plane z (t = 0)</translation>
    </message>
    <message>
        <source>airfoil plane ζ (t = 1)</source>
        <translation>airfoil plane ζ (t = 1)</translation>
    </message>
    <message>
        <source>ζ = z + t·c_J²/z, t = %1</source>
        <translation>ζ = z + t·c_J²/z, t = %1</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>T transition, S separation</source>
        <translation>T transition, S separation</translation>
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
        <translation>drag polar, attached flow</translation>
    </message>
    <message>
        <source>▇ upper surface separated ahead of 0.9 c:</source>
        <translation>▇ upper surface separated ahead of 0.9 c:</translation>
    </message>
    <message>
        <source>real airfoils lose lift here,</source>
        <translation>real airfoils lose lift here,</translation>
    </message>
    <message>
        <source>potential flow does not</source>
        <translation>potential flow does not</translation>
    </message>
</context>
<context>
    <name>Profile</name>
    <message>
        <source>The file holds no points.</source>
        <translation>The file holds no points.</translation>
    </message>
    <message>
        <source>Line %1 is not two numbers.</source>
        <translation>Line %1 is not two numbers.</translation>
    </message>
    <message>
        <source>Line %1 holds a number that is not finite (NaN or infinity).</source>
        <translation>Line %1 holds a number that is not finite (NaN or infinity).</translation>
    </message>
    <message>
        <source>The profile has fewer than 20 points.</source>
        <translation>The profile has fewer than 20 points.</translation>
    </message>
    <message>
        <source>Line %1: the profile has more than 10000 points.</source>
        <translation>Line %1: the profile has more than 10000 points.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MB.</source>
        <translation>The file is larger than 1 MB.</translation>
    </message>
    <message>
        <source>Line %1: the two point counts do not match the points that follow.</source>
        <translation>Line %1: the two point counts do not match the points that follow.</translation>
    </message>
    <message>
        <source>Line %1: the contour crosses itself.</source>
        <translation>Line %1: the contour crosses itself.</translation>
    </message>
    <message>
        <source>Line %1: the points are out of order (a jump longer than a quarter of the chord).</source>
        <translation>Line %1: the points are out of order (a jump longer than a quarter of the chord).</translation>
    </message>
    <message>
        <source>The trailing-edge gap is larger than 2 percent of the chord.</source>
        <translation>The trailing-edge gap is larger than 2 percent of the chord.</translation>
    </message>
    <message>
        <source>The points give no chord.</source>
        <translation>The points give no chord.</translation>
    </message>
    <message>
        <source>A NACA code has 4 or 5 digits.</source>
        <translation>A NACA code has 4 or 5 digits.</translation>
    </message>
    <message>
        <source>This NACA code names an unknown mean line (offered: 4-digit ones and the 5-digit 210 to 250).</source>
        <translation>This NACA code names an unknown mean line (offered: 4-digit ones and the 5-digit 210 to 250).</translation>
    </message>
    <message>
        <source>Reflexed mean lines (third digit 1) are not offered.</source>
        <translation>Reflexed mean lines (third digit 1) are not offered.</translation>
    </message>
    <message>
        <source>A NACA section needs a thickness above 0.</source>
        <translation>A NACA section needs a thickness above 0.</translation>
    </message>
    <message>
        <source>A NACA section may be at most 40 percent thick.</source>
        <translation>A NACA section may be at most 40 percent thick.</translation>
    </message>
    <message>
        <source>The contour is too short to map.</source>
        <translation>The contour is too short to map.</translation>
    </message>
    <message>
        <source>This profile cannot be mapped: its pre-mapped contour folds back round its centre.</source>
        <translation>This profile cannot be mapped: its pre-mapped contour folds back round its centre.</translation>
    </message>
    <message>
        <source>Theodorsen&apos;s iteration did not converge for this profile.</source>
        <translation>Theodorsen&apos;s iteration did not converge for this profile.</translation>
    </message>
    <message>
        <source>%1: t/c = %2 at x/c = %3, no camber.</source>
        <translation>%1: t/c = %2 at x/c = %3, no camber.</translation>
    </message>
    <message>
        <source>%1: t/c = %2 at x/c = %3, f/c = %4 at x/c = %5.</source>
        <translation>%1: t/c = %2 at x/c = %3, f/c = %4 at x/c = %5.</translation>
    </message>
    <message>
        <source>Trailing-edge angle %1°, leading-edge radius %2, gap closed %3, chord line at %4°.</source>
        <translation>Trailing-edge angle %1°, leading-edge radius %2, gap closed %3, chord line at %4°.</translation>
    </message>
    <message>
        <source>Theodorsen map: %1 terms, contour within %2 chord.</source>
        <translation>Theodorsen map: %1 terms, contour within %2 chord.</translation>
    </message>
    <message>
        <source>Theodorsen map: %1 terms, contour within %2 chord; the tolerances were not all met.</source>
        <translation>Theodorsen map: %1 terms, contour within %2 chord; the tolerances were not all met.</translation>
    </message>
</context>
<context>
    <name>ProfileReport</name>
    <message>
        <source>%1: t/c %2 at x/c %3, f/c %4 at x/c %5, trailing-edge angle %6°, leading-edge radius %7, trailing-edge gap closed %8, chord line %9° from the x axis</source>
        <translation>%1: t/c %2 at x/c %3, f/c %4 at x/c %5, trailing-edge angle %6°, leading-edge radius %7, trailing-edge gap closed %8, chord line %9° from the x axis</translation>
    </message>
    <message>
        <source>Theodorsen&apos;s map: %1 Fourier terms, contour within %2 chords</source>
        <translation>Theodorsen&apos;s map: %1 Fourier terms, contour within %2 chords</translation>
    </message>
    <message>
        <source>Critical points of the Kármán–Trefftz pre-map (dζ/dz = 0): the one on the circle becomes the trailing edge ζ = (%1, %2); the other lies inside the body and goes to ζ = (%3, %4).</source>
        <translation>Critical points of the Kármán–Trefftz pre-map (dζ/dz = 0): the one on the circle becomes the trailing edge ζ = (%1, %2); the other lies inside the body and goes to ζ = (%3, %4).</translation>
    </message>
    <message>
        <source>ζ = (1 − t)·z + t·F(z), t = %1</source>
        <translation>ζ = (1 − t)·z + t·F(z), t = %1</translation>
    </message>
    <message>
        <source>exact (conformal map)</source>
        <translation>exact (conformal map)</translation>
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
        <translation>x = %1, y = %2, on the body: q/U0 = %3, Cp = %4, ψ = %5</translation>
    </message>
    <message>
        <source>x = %1, y = %2: inside the body</source>
        <translation>x = %1, y = %2: inside the body</translation>
    </message>
    <message>
        <source>x = %1, y = %2: a sharp edge, where the speed is unbounded</source>
        <translation>x = %1, y = %2: a sharp edge, where the speed is unbounded</translation>
    </message>
    <message>
        <source>Slope dC_L/dα = %1 per degree = %2 per radian = %3 × 2π.</source>
        <translation>Slope dC_L/dα = %1 per degree = %2 per radian = %3 × 2π.</translation>
    </message>
    <message>
        <source>Zero-lift angle %4° (thin-airfoil theory: %5°).</source>
        <translation>Zero-lift angle %4° (thin-airfoil theory: %5°).</translation>
    </message>
    <message>
        <source>No lift curve: %1.</source>
        <translation>No lift curve: %1.</translation>
    </message>
    <message>
        <source>Lift coefficient C_L = %1.</source>
        <translation>Lift coefficient C_L = %1.</translation>
    </message>
    <message>
        <source>The plots were not redrawn: %1</source>
        <translation>The plots were not redrawn: %1</translation>
    </message>
    <message>
        <source>C_L integrated from Cp = %1.</source>
        <translation>C_L integrated from Cp = %1.</translation>
    </message>
    <message>
        <source>Lowest Cp = %1 at x/c = %2 on the upper surface.</source>
        <translation>Lowest Cp = %1 at x/c = %2 on the upper surface.</translation>
    </message>
    <message>
        <source>Lowest Cp = %1 at x/c = %2 on the lower surface.</source>
        <translation>Lowest Cp = %1 at x/c = %2 on the lower surface.</translation>
    </message>
    <message>
        <source>Time of flight from the release line x = %1 to the trailing-edge station x = %2:</source>
        <translation>Time of flight from the release line x = %1 to the trailing-edge station x = %2:</translation>
    </message>
    <message>
        <source>pair %1 (psi = +-%2): upper %3, lower %4</source>
        <translation>pair %1 (psi = +-%2): upper %3, lower %4</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>no streamline pairs (nSL &lt; 4)</source>
        <translation>no streamline pairs (nSL &lt; 4)</translation>
    </message>
    <message>
        <source>Upper surface</source>
        <translation>Upper surface</translation>
    </message>
    <message>
        <source>Lower surface</source>
        <translation>Lower surface</translation>
    </message>
    <message>
        <source>%1: laminar, separates at x/c = %3 for good.</source>
        <translation>%1: laminar, separates at x/c = %3 for good.</translation>
    </message>
    <message>
        <source>%1: laminar to the trailing edge, no separation.</source>
        <translation>%1: laminar to the trailing edge, no separation.</translation>
    </message>
    <message>
        <source>%1: laminar separation bubble, transition at x/c = %2, separation at x/c = %3.</source>
        <translation>%1: laminar separation bubble, transition at x/c = %2, separation at x/c = %3.</translation>
    </message>
    <message>
        <source>%1: laminar separation bubble, transition at x/c = %2, no separation.</source>
        <translation>%1: laminar separation bubble, transition at x/c = %2, no separation.</translation>
    </message>
    <message>
        <source>%1: transition at x/c = %2, separation at x/c = %3.</source>
        <translation>%1: transition at x/c = %2, separation at x/c = %3.</translation>
    </message>
    <message>
        <source>%1: transition at x/c = %2, no separation.</source>
        <translation>%1: transition at x/c = %2, no separation.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: with a Kutta factor other than 1 the speed at the trailing edge is unbounded.</source>
        <translation>The boundary layer is not computed: with a Kutta factor other than 1 the speed at the trailing edge is unbounded.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: the profile has a sharp leading edge or no usable chord.</source>
        <translation>The boundary layer is not computed: the profile has a sharp leading edge or no usable chord.</translation>
    </message>
    <message>
        <source>The boundary layer is not computed: the Reynolds number or N_crit is not usable.</source>
        <translation>The boundary layer is not computed: the Reynolds number or N_crit is not usable.</translation>
    </message>
    <message>
        <source>Re = %1:</source>
        <translation>Re = %1:</translation>
    </message>
    <message>
        <source>C_D = %1 (friction %2, pressure %3).</source>
        <translation>C_D = %1 (friction %2, pressure %3).</translation>
    </message>
    <message>
        <source>C_D not predicted: the flow separates at x/c = %1 on the upper surface.</source>
        <translation>C_D not predicted: the flow separates at x/c = %1 on the upper surface.</translation>
    </message>
    <message>
        <source>C_D not predicted: the flow separates at x/c = %1 on the lower surface.</source>
        <translation>C_D not predicted: the flow separates at x/c = %1 on the lower surface.</translation>
    </message>
    <message>
        <source>Wing: L&apos; = %1 N/m, D&apos; = %2 N/m.</source>
        <translation>Wing: L&apos; = %1 N/m, D&apos; = %2 N/m.</translation>
    </message>
    <message>
        <source>Wing: L&apos; = %1 N/m.</source>
        <translation>Wing: L&apos; = %1 N/m.</translation>
    </message>
    <message>
        <source>The Reynolds number must be a finite number.</source>
        <translation>The Reynolds number must be a finite number.</translation>
    </message>
    <message>
        <source>The Reynolds number must lie between 1000 and 1000000000.</source>
        <translation>The Reynolds number must lie between 1000 and 1000000000.</translation>
    </message>
    <message>
        <source>The wing&apos;s speed must be a finite number, not negative.</source>
        <translation>The wing&apos;s speed must be a finite number, not negative.</translation>
    </message>
    <message>
        <source>The wing&apos;s chord must be a finite positive number.</source>
        <translation>The wing&apos;s chord must be a finite positive number.</translation>
    </message>
    <message>
        <source>The altitude must lie between 0 and 11000 m.</source>
        <translation>The altitude must lie between 0 and 11000 m.</translation>
    </message>
    <message>
        <source>The wing&apos;s Reynolds number must lie between 1000 and 1000000000.</source>
        <translation>The wing&apos;s Reynolds number must lie between 1000 and 1000000000.</translation>
    </message>
    <message>
        <source>N_crit must be a finite number between 1 and 20.</source>
        <translation>N_crit must be a finite number between 1 and 20.</translation>
    </message>
    <message>
        <source>z = (%1, %2) ↔ ζ = (%3, %4): stretch |dζ/dz| = %5, turn arg(dζ/dz) = %6°</source>
        <translation>z = (%1, %2) ↔ ζ = (%3, %4): stretch |dζ/dz| = %5, turn arg(dζ/dz) = %6°</translation>
    </message>
    <message>
        <source>(%1, %2): inside the body</source>
        <translation>(%1, %2): inside the body</translation>
    </message>
    <message>
        <source>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2; z = −c_J, inside the body, goes to ζ = −%2.</source>
        <translation>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2; z = −c_J, inside the body, goes to ζ = −%2.</translation>
    </message>
    <message>
        <source>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2, and z = −c_J, on the circle too, a sharp leading edge ζ = −%2.</source>
        <translation>Critical points z = ±c_J = ±%1 (dζ/dz = 0, angles double): z = +c_J becomes the sharp trailing edge ζ = %2, and z = −c_J, on the circle too, a sharp leading edge ζ = −%2.</translation>
    </message>
</context>
<context>
    <name>SaveFiles</name>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 could not be written: %2</translation>
    </message>
    <message>
        <source>Pictures are saved as PNG or SVG: end the file name with .png or .svg.</source>
        <translation>Pictures are saved as PNG or SVG: end the file name with .png or .svg.</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form1</name>
    <message>
        <source>Joukowsky profili etrafında akım çizgileri</source>
        <translation>Streamlines around a Joukowsky profile</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Move a scroll bar or click a plot to draw the flow.</source>
        <translation>Move a scroll bar or click a plot to draw the flow.</translation>
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
        <translation>Kutta =</translation>
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
        <translation> (nothing to show yet: move a scroll bar or click a plot)</translation>
    </message>
    <message>
        <source>Surface pressure…</source>
        <translation>Surface pressure…</translation>
    </message>
    <message>
        <source>Flow field…</source>
        <translation>Flow field…</translation>
    </message>
    <message>
        <source>Lift curve…</source>
        <translation>Lift curve…</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Save points as CSV…</source>
        <translation>Save points as CSV…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Pictures (*.png *.svg)</translation>
    </message>
    <message>
        <source>Save points as CSV</source>
        <translation>Save points as CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Conformal map…</source>
        <translation>Conformal map…</translation>
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
        <translation>Flow field</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Pressure coefficient Cp</source>
        <translation>Pressure coefficient Cp</translation>
    </message>
    <message>
        <source>Speed q/U0</source>
        <translation>Speed q/U0</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Save field as CSV…</source>
        <translation>Save field as CSV…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Pictures (*.png *.svg)</source>
        <translation>Pictures (*.png *.svg)</translation>
    </message>
    <message>
        <source>Save field as CSV</source>
        <translation>Save field as CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Move the pointer over the flow to read its speed and pressure.</source>
        <translation>Move the pointer over the flow to read its speed and pressure.</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Timelines</source>
        <translation>Timelines</translation>
    </message>
    <message>
        <source>Release every</source>
        <translation>Release every</translation>
    </message>
    <message>
        <source>c/U0 (one c/U0 takes %1 s)</source>
        <translation>c/U0 (one c/U0 takes %1 s)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Lift</name>
    <message>
        <source>Lift curve</source>
        <translation>Lift curve</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Map</name>
    <message>
        <source>Conformal map</source>
        <translation>Conformal map</translation>
    </message>
    <message>
        <source>Morph t:</source>
        <translation>Morph t:</translation>
    </message>
    <message>
        <source>Morph from the circle (t = 0) to the airfoil (t = 1)</source>
        <translation>Morph from the circle (t = 0) to the airfoil (t = 1)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Move the pointer over a picture: its point is ringed in all three.</source>
        <translation>Move the pointer over a picture: its point is ringed in all three.</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Pressure</name>
    <message>
        <source>Surface pressure and boundary layer</source>
        <translation>Surface pressure and boundary layer</translation>
    </message>
    <message>
        <source>Re =</source>
        <translation>Re =</translation>
    </message>
    <message>
        <source>Wing</source>
        <translation>Wing</translation>
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
        <translation>rectangular</translation>
    </message>
    <message>
        <source>tapered λ = %1</source>
        <translation>tapered λ = %1</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>elliptic</translation>
    </message>
    <message>
        <source>AR %1, %2, washout %3°:</source>
        <translation>AR %1, %2, washout %3°:</translation>
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
        <translation>e undefined at C_L = 0,</translation>
    </message>
    <message>
        <source>C_D = %1</source>
        <translation>C_D = %1</translation>
    </message>
    <message>
        <source>C_D not predicted</source>
        <translation>C_D not predicted</translation>
    </message>
    <message>
        <source>, (L/D)max = %1 at α = %2°</source>
        <translation>, (L/D)max = %1 at α = %2°</translation>
    </message>
    <message>
        <source>Stall begins at 2y/b = %1 at α = %2°.</source>
        <translation>Stall begins at 2y/b = %1 at α = %2°.</translation>
    </message>
    <message>
        <source>Wing of span %1 m: L = %2 N, D_i = %3 N</source>
        <translation>Wing of span %1 m: L = %2 N, D_i = %3 N</translation>
    </message>
    <message>
        <source>, D = %1 N</source>
        <translation>, D = %1 N</translation>
    </message>
    <message>
        <source>Below AR 4 lifting-line theory overestimates the lift of such a wing.</source>
        <translation>Below AR 4 lifting-line theory overestimates the lift of such a wing.</translation>
    </message>
    <message>
        <source>The wing&apos;s aspect ratio, taper and washout must be finite numbers.</source>
        <translation>The wing&apos;s aspect ratio, taper and washout must be finite numbers.</translation>
    </message>
    <message>
        <source>The aspect ratio must lie between 1 and 30.</source>
        <translation>The aspect ratio must lie between 1 and 30.</translation>
    </message>
    <message>
        <source>The taper ratio must lie between 0 and 1.</source>
        <translation>The taper ratio must lie between 0 and 1.</translation>
    </message>
    <message>
        <source>The washout must lie between -10° and 10°.</source>
        <translation>The washout must lie between -10° and 10°.</translation>
    </message>
    <message>
        <source>The planform must be rectangular, tapered or elliptic.</source>
        <translation>The planform must be rectangular, tapered or elliptic.</translation>
    </message>
    <message>
        <source>No finite wing: the section has no zero-lift angle or no positive lift slope.</source>
        <translation>No finite wing: the section has no zero-lift angle or no positive lift slope.</translation>
    </message>
    <message>
        <source>Planform and trailing vortex sheet</source>
        <translation>Planform and trailing vortex sheet</translation>
    </message>
    <message>
        <source>stall begins</source>
        <translation>stall begins</translation>
    </message>
    <message>
        <source>Loading c·c_l/c_mean</source>
        <translation>Loading c·c_l/c_mean</translation>
    </message>
    <message>
        <source>- - elliptic, same C_L</source>
        <translation>- - elliptic, same C_L</translation>
    </message>
    <message>
        <source>Induced angle α_i (°)</source>
        <translation>Induced angle α_i (°)</translation>
    </message>
    <message>
        <source>2y/b</source>
        <translation>2y/b</translation>
    </message>
    <message>
        <source>Drag polar C_L against C_D</source>
        <translation>Drag polar C_L against C_D</translation>
    </message>
    <message>
        <source>wing</source>
        <translation>wing</translation>
    </message>
    <message>
        <source>section</source>
        <translation>section</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Wing</name>
    <message>
        <source>Finite wing</source>
        <translation>Finite wing</translation>
    </message>
    <message>
        <source>Finite wing…</source>
        <translation>Finite wing…</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>tapered</source>
        <translation>tapered</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>elliptic</translation>
    </message>
    <message>
        <source>AR</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>Planform</source>
        <translation>Planform</translation>
    </message>
    <message>
        <source>Taper λ</source>
        <translation>Taper λ</translation>
    </message>
    <message>
        <source>Washout (°)</source>
        <translation>Washout (°)</translation>
    </message>
</context>
<context>
    <name>fluvenna::Form_Profile</name>
    <message>
        <source>Profile…</source>
        <translation>Profile…</translation>
    </message>
    <message>
        <source>Streamlines around %1</source>
        <translation>Streamlines around %1</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Open a profile</source>
        <translation>Open a profile</translation>
    </message>
    <message>
        <source>Airfoil coordinates (*.dat *.txt);;All files (*)</source>
        <translation>Airfoil coordinates (*.dat *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Joukowski (δ and γ of the window)</source>
        <translation>Joukowski (δ and γ of the window)</translation>
    </message>
    <message>
        <source>NACA</source>
        <translation>NACA</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Drop a .dat file (Selig or Lednicer) on this window to open it.</source>
        <translation>Drop a .dat file (Selig or Lednicer) on this window to open it.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Profile: %1</source>
        <translation>Profile: %1</translation>
    </message>
    <message>
        <source>The Joukowski profile of the table row chosen by δ and γ.</source>
        <translation>The Joukowski profile of the table row chosen by δ and γ.</translation>
    </message>
</context>
</TS>
