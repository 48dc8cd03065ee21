#!/usr/bin/perl
# Draws Quickseek.bmp, the plug-in's toolbar bitmap: a 16 x 16 magnifying glass, 24 bits per
# pixel, on magenta, the colour toolbars take as transparent. Pixels are either fully in or
# out of a shape: smoothed edges would blend into the magenta and show as a pink fringe.
# usage: make-toolbar-bitmap.pl OUTPUT.bmp
use strict;
use warnings;

my $out = shift or die "usage: $0 OUTPUT.bmp\n";
my ($width, $height) = (16, 16);

my @background = (255, 0, 255);
my @rim = (28, 58, 110);
my @glass = (196, 226, 255);
my @shine = (255, 255, 255);
my @handle = (72, 48, 28);

# Lens centre and radii, in pixel units; a pixel's centre is at (x + 0.5, y + 0.5).
my ($cx, $cy, $outer, $inner) = (6.5, 6.5, 6.2, 4.4);

sub distance_to_segment {
    my ($px, $py, $ax, $ay, $bx, $by) = @_;
    my ($dx, $dy) = ($bx - $ax, $by - $ay);
    my $t = (($px - $ax) * $dx + ($py - $ay) * $dy) / ($dx * $dx + $dy * $dy);
    $t = 0 if $t < 0;
    $t = 1 if $t > 1;
    my ($qx, $qy) = ($ax + $t * $dx - $px, $ay + $t * $dy - $py);
    return sqrt($qx * $qx + $qy * $qy);
}

sub colour_at {
    my ($x, $y) = @_;
    my ($px, $py) = ($x + 0.5, $y + 0.5);
    my $r = sqrt(($px - $cx) ** 2 + ($py - $cy) ** 2);
    if ($r < $inner) {
        # A short arc of light in the upper left of the glass.
        my $angle = atan2($py - $cy, $px - $cx);
        return @shine if $r > $inner - 1.6 && $angle < -1.75 && $angle > -3.0;
        return @glass;
    }
    return @rim if $r <= $outer;
    return @handle if distance_to_segment($px, $py, 10.8, 10.8, 14.8, 14.8) <= 1.45;
    return @background;
}

# Rows from the bottom up, each pixel blue, green, red; 48 bytes a row need no padding.
my $pixels = '';
for (my $y = $height - 1; $y >= 0; --$y) {
    for my $x (0 .. $width - 1) {
        my ($red, $green, $blue) = colour_at($x, $y);
        $pixels .= pack('CCC', $blue, $green, $red);
    }
}
my $header_size = 14 + 40;
my $file = pack('A2 V v v V', 'BM', $header_size + length($pixels), 0, 0, $header_size)
         . pack('V l l v v V V l l V V', 40, $width, $height, 1, 24, 0, length($pixels), 2835, 2835, 0, 0)
         . $pixels;
open(my $fh, '>:raw', $out) or die "$0: cannot write $out: $!\n";
print $fh $file;
close($fh) or die "$0: cannot write $out: $!\n";
