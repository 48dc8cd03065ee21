#!/usr/bin/perl
# Writes tests/data/patterns/perl-crosscheck.txt: generated (pattern, text) pairs in the subset
# of the filter's pattern language where Perl means the same, each with Perl's answer, for
# PerlCrosscheckTest to compare with SelectionMatches.
#
# Each random pattern is built as a small tree and written twice: in the filter's language,
# and for Perl. The two spellings differ only where the languages differ in notation:
#   - the filter's $ and \Z mean the very end: Perl gets $(?!\n\z) and \z (texts of patterns
#     that may turn m on never end in a line feed, where Perl's ^ and $ under /m differ);
#   - the filter's r and g flags have no Perl counterpart (r only widens ranges between
#     0xC0 and 0xFF and g never changes whether a match exists): Perl gets nothing;
#   - flag letters are written in either case for the filter, lower case for Perl;
#   - the filter's dot is dot-all by default: Perl matches with /s.
# Texts are ASCII, without vertical tab (Perl's \s has it), and without CR when the pattern
# may turn s off or m on (the filter treats CR as a line break there, Perl does not).
#
# Usage: perl tests/crosscheck/generate.pl > tests/data/patterns/perl-crosscheck.txt
use strict;
use warnings;
no warnings 'regexp';

srand(20240611);
my $CASES = 640;

my @LITERALS = split //, "abcABC01 -._";
my @TEXT_CHARS = (split(//, "aabbcAABBC0011  -._"), "\n", "\t", ",", "!");
my @METAS = split //, '\\^$.[]()|*+?{}#';

sub pick { return $_[int(rand(@_))]; }
sub chance { return rand() < $_[0]; }

# --- pattern trees ---------------------------------------------------------------------
# A node is a hash: {kind => ..., ...}. render() gives [filter spelling, perl spelling].

my $groups;        # capturing groups opened so far in the pattern being built
my $uses_lines;    # the pattern may turn s off or m on

sub literal_node {
    my $c = pick(@LITERALS);
    return {kind => 'lit', char => $c};
}

sub atom {
    my ($depth) = @_;
    my $r = rand();
    return literal_node() if $r < 0.35;
    return {kind => 'dot'} if $r < 0.42;
    return {kind => 'class', %{class_node()}} if $r < 0.57;
    return {kind => 'esc', letter => pick(qw(d D w W s S))} if $r < 0.67;
    return {kind => 'ctl', letter => pick(qw(t n))} if $r < 0.70;
    return {kind => 'hex', char => pick(@LITERALS, ',', '!'), braces => chance(0.5)} if $r < 0.74;
    if ($r < 0.90 && $depth < 3 && $groups < 6) {
        my $number = ++$groups;
        my @branches = map { sequence($depth + 1) } 1 .. (chance(0.4) ? 2 : 1);
        return {kind => 'group', branches => \@branches};
    }
    return {kind => 'backref', number => 1 + int(rand($groups))} if $groups > 0 && $r < 0.95;
    return literal_node();
}

sub class_node {
    my @members;
    for (1 .. 1 + int(rand(3))) {
        my $r = rand();
        if ($r < 0.3) { push @members, pick('a-c', 'A-C', '0-1', 'a-z', ' -.', 'B-b') }
        elsif ($r < 0.45) { push @members, '\\' . pick(qw(d w s D W S)) }
        else { push @members, class_char(pick(@LITERALS, ']', '^', '-', '\\')) }
    }
    return {negated => chance(0.3), members => \@members};
}

sub class_char {
    my ($c) = @_;
    return "\\$c" if $c =~ /[\]\\^\-]/;
    return $c;
}

sub quantifier {
    my $r = rand();
    my $q = $r < 0.3 ? '*' : $r < 0.55 ? '+' : $r < 0.75 ? '?'
          : $r < 0.85 ? '{' . int(rand(3)) . '}'
          : $r < 0.93 ? '{' . int(rand(2)) . ',}'
          : do { my $n = int(rand(2)); '{' . $n . ',' . ($n + int(rand(3))) . '}' };
    $q .= '?' if chance(0.2);
    return $q;
}

sub flag_group {
    my @letters;
    for (1 .. 1 + int(rand(2))) { push @letters, pick(qw(i i s m x r g)) }
    my $minus = chance(0.35);
    my ($on, $off) = ('', '');
    for my $letter (@letters) {
        if ($minus && chance(0.5)) { $off .= $letter } else { $on .= $letter }
    }
    $uses_lines = 1 if $off =~ /s/ || $on =~ /m/;
    my $filter = join('', map { chance(0.3) ? uc $_ : $_ } split //, $on);
    my $filter_off = join('', map { chance(0.3) ? uc $_ : $_ } split //, $off);
    (my $perl_on = $on) =~ s/[rg]//g;
    (my $perl_off = $off) =~ s/[rg]//g;
    return {kind => 'flags',
            filter => "(?$filter" . ($off ne '' ? "-$filter_off" : '') . ')',
            perl => "(?$perl_on" . ($perl_off ne '' ? "-$perl_off" : '') . ')'};
}

sub sequence {
    my ($depth) = @_;
    my @items;
    for (1 .. 1 + int(rand(4))) {
        my $r = rand();
        if ($r < 0.08) { push @items, {kind => pick('start', 'end')} ; next }
        if ($r < 0.12) { push @items, {kind => 'assert', letter => pick(qw(b B A Z))}; next }
        if ($r < 0.19) { push @items, flag_group(); next }
        if ($r < 0.21) { push @items, {kind => 'comment'}; next }
        my $node = atom($depth);
        $node->{quantifier} = quantifier() if chance(0.4);
        push @items, $node;
    }
    return \@items;
}

# The x flag is in Perl's hands as much as ours: the same white space goes into both
# spellings, between items and before a quantifier, and means the same in both.
sub space { return chance(0.15) ? pick(' ', '  ') : ''; }

sub render_sequence {
    my ($items) = @_;
    my ($filter, $perl) = ('', '');
    for my $item (@$items) {
        my ($f, $p) = render($item);
        my $gap = space();
        $filter .= $gap . $f;
        $perl .= $gap . $p;
    }
    return ($filter, $perl);
}

sub literal_spelling {
    my ($c) = @_;
    return "\\$c" if grep { $_ eq $c } @METAS;
    return $c;
}

sub render {
    my ($node) = @_;
    my $kind = $node->{kind};
    my ($f, $p);
    if ($kind eq 'lit') { $f = $p = literal_spelling($node->{char}) }
    elsif ($kind eq 'dot') { $f = $p = '.' }
    elsif ($kind eq 'class') {
        $f = $p = '[' . ($node->{negated} ? '^' : '') . join('', @{$node->{members}}) . ']';
    }
    elsif ($kind eq 'esc' || $kind eq 'ctl') { $f = $p = "\\$node->{letter}" }
    elsif ($kind eq 'hex') {
        my $hex = sprintf('%02X', ord $node->{char});
        $f = $p = $node->{braces} ? "\\x{$hex}" : "\\x$hex";
    }
    elsif ($kind eq 'group') {
        my (@fs, @ps);
        for my $branch (@{$node->{branches}}) {
            my ($bf, $bp) = render_sequence($branch);
            push @fs, $bf;
            push @ps, $bp;
        }
        $f = '(' . join('|', @fs) . ')';
        $p = '(' . join('|', @ps) . ')';
    }
    elsif ($kind eq 'backref') {
        # Perl would read \1 followed by a digit as another group or an octal escape.
        $f = "\\$node->{number}";
        $p = "\\g{$node->{number}}";
    }
    elsif ($kind eq 'start') { $f = $p = '^' }
    elsif ($kind eq 'end') { $f = '$'; $p = '$(?!\n\z)' }
    elsif ($kind eq 'assert') {
        $f = "\\$node->{letter}";
        $p = $node->{letter} eq 'Z' ? '\z' : $f;
    }
    elsif ($kind eq 'flags') { ($f, $p) = ($node->{filter}, $node->{perl}) }
    elsif ($kind eq 'comment') { $f = $p = '(?#' . pick('note', 'a b', '[x') . ')' }
    if (defined $node->{quantifier}) {
        my $gap = space();
        $f .= $gap . $node->{quantifier};
        $p .= $gap . $node->{quantifier};
    }
    return ($f, $p);
}

# --- texts ---------------------------------------------------------------------------------

# A text that the pattern's literal parts make likely to match, or a random one.
sub sample_text {
    my ($items) = @_;
    my $text = '';
    for my $item (@$items) {
        my $kind = $item->{kind};
        my $count = defined $item->{quantifier} ? int(rand(3)) : 1;
        for (1 .. $count) {
            if ($kind eq 'lit' || $kind eq 'hex') { $text .= $item->{char} }
            elsif ($kind eq 'ctl') { $text .= $item->{letter} eq 't' ? "\t" : "\n" }
            elsif ($kind eq 'group') { $text .= sample_text(pick(@{$item->{branches}})) }
            elsif ($kind eq 'esc') {
                my %pool = (d => '01', D => 'a-', w => 'aB_1', W => ' .', s => " \t\n", S => 'ab');
                $text .= pick(split //, $pool{$item->{letter}});
            }
            elsif ($kind ne 'flags' && $kind ne 'comment' && $kind ne 'start' && $kind ne 'end'
                   && $kind ne 'assert') { $text .= pick(@TEXT_CHARS) }
        }
    }
    return $text;
}

sub random_text {
    return join('', map { pick(@TEXT_CHARS) } 1 .. 1 + int(rand(12)));
}

sub fit_text {
    my ($text) = @_;
    $text =~ s/\r//g;
    $text =~ s/\n+\z// if $uses_lines;
    $text = 'a' if $text eq '';
    return $text;
}

sub escape_field {
    my ($s) = @_;
    $s =~ s/([\x00-\x1F%\x7F-\xFF])/sprintf('%%%02X', ord $1)/ge;
    return $s;
}

# --- output --------------------------------------------------------------------------------

print "# Generated by tests/crosscheck/generate.pl; answers by Perl $^V.\n";
print "# expected<TAB>pattern<TAB>text; bytes below 0x20, 0x7F and above, and % are written %XX.\n";

my %seen;
my ($written, $matches) = (0, 0);
while ($written < $CASES) {
    $groups = 0;
    $uses_lines = 0;
    my $items = sequence(0);
    my ($filter, $perl) = render_sequence($items);
    next if $filter eq '' || $seen{$filter}++;
    my $regex = eval { qr/$perl/s };
    next unless defined $regex;  # e.g. a back-reference to a group that comes later
    for my $text (fit_text(sample_text($items)), fit_text(sample_text($items)), fit_text(random_text())) {
        next if $text =~ /[\r\x0B]/;
        my $answer = $text =~ $regex ? 1 : 0;
        $matches += $answer;
        print join("\t", $answer, escape_field($filter), escape_field($text)), "\n";
        ++$written;
    }
}
print STDERR "$written cases, $matches matching\n";
